#pragma once

#include <string>

// Writes the program's icon, "YorraPDA.png" (256 × 256), into the program folder: a clock face
// with a crescent moon, the game clock the program is about.
void WriteAppIcon(const std::string& programFolder);
