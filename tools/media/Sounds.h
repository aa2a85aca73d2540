#pragma once

#include <string>

// Writes the interface sounds into the program folder and the four default alarm sounds into
// its "DefaultAlarmSound/" folder: short synthesized tones, each distinct, none harsh.
void WriteSounds(const std::string& programFolder);
