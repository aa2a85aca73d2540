#include "maps/MDBitmap.h"

#include <cstring>
#include <stdexcept>
#include <string>

TMDBitmap::TMDBitmap(int width, int height, int bitsPerPixel) : bitsPerPixel_(bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw std::invalid_argument("bitmap: unsupported depth " + std::to_string(bitsPerPixel));
    SetSize(width, height);
}

void TMDBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0)
        throw std::invalid_argument("bitmap: negative size " + std::to_string(width) + " x " +
                                    std::to_string(height));
    width_ = width;
    height_ = height;
    data_.assign(RowBytes() * static_cast<std::size_t>(height), 0);
    // An empty bitmap gives its memory back.
    if (data_.empty())
        data_.shrink_to_fit();
}

TMDBitmap TMDBitmap::ConvertedTo(int bitsPerPixel) const {
    if (bitsPerPixel == bitsPerPixel_)
        return *this;
    TMDBitmap result(width_, height_, bitsPerPixel);
    const int from = BytesPerPixel();
    const int to = result.BytesPerPixel();
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    const std::uint8_t* s = Bits();
    std::uint8_t* d = result.Bits();
    for (std::size_t i = 0; i < count; ++i, s += from, d += to) {
        d[0] = s[0];
        d[1] = s[1];
        d[2] = s[2];
    }
    return result;
}

TMDBitmap TMDBitmap::Copy(int left, int top, int right, int bottom) const {
    if (left < 0 || top < 0 || right > width_ || bottom > height_ || left > right || top > bottom)
        throw std::out_of_range("bitmap: rectangle outside the picture");
    TMDBitmap result(right - left, bottom - top, bitsPerPixel_);
    for (int y = top; y < bottom; ++y)
        std::memcpy(result.ScanLine(y - top), ScanLine(y) + left * BytesPerPixel(),
                    result.RowBytes());
    return result;
}
