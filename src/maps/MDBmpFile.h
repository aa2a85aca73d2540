#pragma once

#include "maps/MDBitmap.h"

#include <string>
#include <string_view>

// Reads an uncompressed BMP file of 1, 4, 8, 24 or 32 bits per pixel (bottom-up or top-down)
// into a 24-bit bitmap. Throws std::runtime_error naming `name` and the reason.
TMDBitmap DecodeBmp(std::string_view bytes, const std::string& name);
TMDBitmap LoadBmpFile(const std::string& fileName);

// The bitmap as a 24-bit bottom-up BMP file.
std::string EncodeBmp(const TMDBitmap& bitmap);
void SaveBmpFile(const std::string& fileName, const TMDBitmap& bitmap);
