#pragma once

#include <QIcon>

#include <string>

// The program's icon, "YorraPDA.png" in the program folder (programFolder ends with "/"). Set as
// the application's window icon at start, so every window, the tray and the version dialog
// show it; a null icon when the file is missing.
QIcon ApplicationIcon(const std::string& programFolder);
