#pragma once

#include <QImage>

#include <string>

// Saves a picture in the given format ("BMP", "PNG") through the program's atomic file writer.
void SaveImage(const QImage& image, const std::string& file, const char* format);
