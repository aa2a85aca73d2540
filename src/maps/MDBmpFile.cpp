#include "maps/MDBmpFile.h"

#include "maps/MDJpeg.h"
#include "storage/AtomicFile.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitFields = 3;

class TReader {
  public:
    TReader(std::string_view bytes, const std::string& name) : bytes_(bytes), name_(name) {}

    [[noreturn]] void Fail(const std::string& reason) const {
        throw std::runtime_error(name_ + ": not a readable BMP picture: " + reason);
    }
    void Need(std::size_t offset, std::size_t count) const {
        if (offset > bytes_.size() || count > bytes_.size() - offset)
            Fail("the file is truncated");
    }
    std::uint8_t U8(std::size_t at) const {
        Need(at, 1);
        return static_cast<std::uint8_t>(bytes_[at]);
    }
    std::uint32_t U16(std::size_t at) const { return U8(at) | (U8(at + 1) << 8); }
    std::uint32_t U32(std::size_t at) const { return U16(at) | (U16(at + 2) << 16); }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    const std::uint8_t* Data(std::size_t at, std::size_t count) const {
        Need(at, count);
        return reinterpret_cast<const std::uint8_t*>(bytes_.data()) + at;
    }

  private:
    std::string_view bytes_;
    const std::string& name_;
};

void PutU16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

} // namespace

TMDBitmap DecodeBmp(std::string_view bytes, const std::string& name) {
    const TReader in(bytes, name);
    if (in.U8(0) != 'B' || in.U8(1) != 'M')
        in.Fail("the signature is missing");
    const std::uint32_t pixelOffset = in.U32(10);
    const std::uint32_t headerSize = in.U32(kFileHeaderSize);
    const std::size_t h = kFileHeaderSize;
    std::int64_t width, height;
    std::uint32_t bitCount, compression = 0, colorsUsed = 0;
    std::size_t paletteEntrySize;
    if (headerSize == kCoreHeaderSize) {
        width = in.U16(h + 4);
        height = in.U16(h + 6);
        bitCount = in.U16(h + 10);
        paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize) {
        width = in.I32(h + 4);
        height = in.I32(h + 8);
        bitCount = in.U16(h + 14);
        compression = in.U32(h + 16);
        colorsUsed = in.U32(h + 32);
        paletteEntrySize = 4;
    } else {
        in.Fail("unknown header size " + std::to_string(headerSize));
    }
    // Bit fields are accepted when they describe the plain blue, green, red byte order.
    const bool plainFields = compression == kBitFields && bitCount == 32 &&
                             in.U32(h + 40) == 0xFF0000 && in.U32(h + 44) == 0xFF00 &&
                             in.U32(h + 48) == 0xFF;
    if (compression != 0 && !plainFields)
        in.Fail("compressed pictures are not supported");
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        in.Fail("unsupported depth " + std::to_string(bitCount));
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width <= 0 || height <= 0)
        in.Fail("the picture is empty");
    if (width * height > kMaxPicturePixels)
        in.Fail("the picture is too large");

    std::array<std::array<std::uint8_t, 3>, 256> palette{};
    if (bitCount <= 8) {
        const std::uint32_t maxColors = 1u << bitCount;
        const std::uint32_t colors =
            colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        const std::size_t at = h + headerSize;
        const std::uint8_t* entries = in.Data(at, colors * paletteEntrySize);
        for (std::uint32_t i = 0; i < colors; ++i)
            for (int k = 0; k < 3; ++k)
                palette[i][k] = entries[i * paletteEntrySize + k];
    }

    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    const std::uint8_t* pixels = in.Data(pixelOffset, rowBytes * static_cast<std::size_t>(height));
    TMDBitmap result(static_cast<int>(width), static_cast<int>(height), 24);
    for (int y = 0; y < result.Height(); ++y) {
        const std::uint8_t* row = pixels + rowBytes * (topDown ? y : result.Height() - 1 - y);
        std::uint8_t* out = result.ScanLine(y);
        for (int x = 0; x < result.Width(); ++x, out += 3) {
            if (bitCount >= 24) {
                const std::uint8_t* p = row + static_cast<std::size_t>(x) * (bitCount / 8);
                out[0] = p[0];
                out[1] = p[1];
                out[2] = p[2];
                continue;
            }
            const std::size_t bit = static_cast<std::size_t>(x) * bitCount;
            const unsigned shift = 8 - bitCount - bit % 8;
            const unsigned index = (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
            out[0] = palette[index][0];
            out[1] = palette[index][1];
            out[2] = palette[index][2];
        }
    }
    return result;
}

TMDBitmap LoadBmpFile(const std::string& fileName) {
    const auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        throw std::runtime_error(fileName + ": cannot read the file");
    return DecodeBmp(*bytes, fileName);
}

std::string EncodeBmp(const TMDBitmap& bitmap) {
    const TMDBitmap bgr = bitmap.ConvertedTo(24);
    const std::size_t rowBytes = (bgr.RowBytes() + 3) / 4 * 4;
    const std::size_t imageSize = rowBytes * bgr.Height();
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::string out;
    out.reserve(offset + imageSize);
    out += "BM";
    PutU32(out, static_cast<std::uint32_t>(offset + imageSize));
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(offset));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(bgr.Width()));
    PutU32(out, static_cast<std::uint32_t>(bgr.Height()));
    PutU16(out, 1);  // planes
    PutU16(out, 24); // bits per pixel
    PutU32(out, 0);  // no compression
    PutU32(out, static_cast<std::uint32_t>(imageSize));
    PutU32(out, 2835); // 72 dots per inch, in dots per metre
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    const std::string padding(rowBytes - bgr.RowBytes(), '\0');
    for (int y = bgr.Height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(bgr.ScanLine(y)), bgr.RowBytes());
        out += padding;
    }
    return out;
}

void SaveBmpFile(const std::string& fileName, const TMDBitmap& bitmap) {
    WriteFileAtomic(fileName, EncodeBmp(bitmap));
}
