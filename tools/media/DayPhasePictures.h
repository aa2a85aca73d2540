#pragma once

#include <string>

// Writes the five 257 × 57 pictures shown behind the clock: night, dawn, morning, afternoon
// and sunset.
void WriteDayPhasePictures(const std::string& programFolder);
