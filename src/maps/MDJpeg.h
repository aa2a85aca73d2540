#pragma once

#include "maps/MDBitmap.h"

#include <cstdint>
#include <string>
#include <string_view>

// Pictures larger than this many pixels are refused, so a damaged header cannot ask for an
// allocation of many gigabytes.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 27;

// Decodes JPEG bytes into a 24-bit bitmap. Throws std::runtime_error naming `name` and the
// decoder's reason.
TMDBitmap DecodeJpeg(std::string_view bytes, const std::string& name);
TMDBitmap LoadJpegFile(const std::string& fileName);

// A baseline colour JPEG of the bitmap at quality 1 ... 100 with the encoder's other defaults.
std::string EncodeJpeg(const TMDBitmap& bitmap, int quality);
void SaveJpegFile(const std::string& fileName, const TMDBitmap& bitmap, int quality);
// The byte count of EncodeJpeg(bitmap, quality).
std::int64_t GetJpegSize(const TMDBitmap& bitmap, int quality);
