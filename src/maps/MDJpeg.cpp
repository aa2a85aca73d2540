#include "maps/MDJpeg.h"

#include "storage/AtomicFile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to
// the caller's setjmp, which then throws outside the library's frames.
struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    (*info->err->format_message)(info, error->Message);
    std::longjmp(error->Jump, 1);
}

// Warnings (a truncated file, say) are not fatal; the decoder fills in what is missing.
void JpegIgnoreMessage(j_common_ptr) {}

void InstallErrorHandler(TJpegError& error) {
    jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegErrorExit;
    error.Manager.output_message = JpegIgnoreMessage;
    error.Message[0] = '\0';
}

// Runs the decoder; returns false with error.Message filled when the library gave up.
bool Decode(jpeg_decompress_struct& info, TJpegError& error, std::string_view bytes,
            TMDBitmap& result, bool& tooLarge) {
    if (setjmp(error.Jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGR;
    jpeg_calc_output_dimensions(&info);
    if (std::int64_t{info.output_width} * info.output_height > kMaxPicturePixels) {
        tooLarge = true;
        return false;
    }
    result.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result.ScanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool Encode(jpeg_compress_struct& info, TJpegError& error, const TMDBitmap& bitmap, int quality,
            unsigned char*& buffer, unsigned long& size) {
    if (setjmp(error.Jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(bitmap.Width());
    info.image_height = static_cast<JDIMENSION>(bitmap.Height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(bitmap.ScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

TMDBitmap DecodeJpeg(std::string_view bytes, const std::string& name) {
    jpeg_decompress_struct info{};
    TJpegError error;
    InstallErrorHandler(error);
    info.err = &error.Manager;
    TMDBitmap result(0, 0, 24);
    bool tooLarge = false;
    const bool ok = Decode(info, error, bytes, result, tooLarge);
    jpeg_destroy_decompress(&info);
    if (tooLarge)
        throw std::runtime_error(name + ": the JPEG picture is too large");
    if (!ok)
        throw std::runtime_error(name + ": cannot decode the JPEG picture: " + error.Message);
    return result;
}

TMDBitmap LoadJpegFile(const std::string& fileName) {
    const auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        throw std::runtime_error(fileName + ": cannot read the file");
    return DecodeJpeg(*bytes, fileName);
}

std::string EncodeJpeg(const TMDBitmap& bitmap, int quality) {
    if (bitmap.Empty())
        throw std::invalid_argument("JPEG: cannot encode an empty picture");
    const TMDBitmap bgr = bitmap.ConvertedTo(24);
    jpeg_compress_struct info{};
    TJpegError error;
    InstallErrorHandler(error);
    info.err = &error.Manager;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Encode(info, error, bgr, std::clamp(quality, 1, 100), buffer, size);
    jpeg_destroy_compress(&info);
    std::string bytes;
    if (ok)
        bytes.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    if (!ok)
        throw std::runtime_error(std::string("JPEG: cannot encode the picture: ") + error.Message);
    return bytes;
}

void SaveJpegFile(const std::string& fileName, const TMDBitmap& bitmap, int quality) {
    WriteFileAtomic(fileName, EncodeJpeg(bitmap, quality));
}

std::int64_t GetJpegSize(const TMDBitmap& bitmap, int quality) {
    return static_cast<std::int64_t>(EncodeJpeg(bitmap, quality).size());
}
