#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A picture in memory: rows from top to bottom, each pixel blue, green, red (24 bits) or
// blue, green, red and a fourth byte (32 bits). Rows are packed without padding.
class TMDBitmap {
  public:
    TMDBitmap() = default;
    // Throws std::invalid_argument for negative sizes or a depth other than 24 or 32.
    TMDBitmap(int width, int height, int bitsPerPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    int BytesPerPixel() const { return bitsPerPixel_ / 8; }
    std::size_t RowBytes() const { return static_cast<std::size_t>(width_) * BytesPerPixel(); }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    // Resizes to width x height; the content becomes zero bytes.
    void SetSize(int width, int height);

    std::uint8_t* ScanLine(int y) { return data_.data() + RowBytes() * y; }
    const std::uint8_t* ScanLine(int y) const { return data_.data() + RowBytes() * y; }
    std::uint8_t* Bits() { return data_.data(); }
    const std::uint8_t* Bits() const { return data_.data(); }

    // A copy with the given depth; going to 32 bits the fourth byte becomes 0.
    TMDBitmap ConvertedTo(int bitsPerPixel) const;
    // The pixels of the rectangle [left, right) x [top, bottom), which must lie inside.
    TMDBitmap Copy(int left, int top, int right, int bottom) const;

    bool operator==(const TMDBitmap&) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 24;
    std::vector<std::uint8_t> data_;
};
