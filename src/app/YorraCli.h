#pragma once

#include "core/Clock.h"

#include <atomic>
#include <iosfwd>
#include <string>
#include <vector>

// The command-line companion: the game clock and the main window's list where the window
// cannot go (status bars, scripts). It reads the program folder and never writes a file.
//   now [--at "YYYY-MM-DD HH:MM:SS.mmm"] [--plus N] [--folder DIR] [--json]
//   watch [--folder DIR]
// Exit codes: 0 done, 1 a file is missing or damaged, 2 bad arguments.
// watch runs until stop becomes true (the executable sets it on SIGINT and SIGTERM).
int RunYorraCli(const std::vector<std::string>& args, const IClock& clock,
                const std::string& defaultFolder, std::ostream& out, std::ostream& err,
                const std::atomic<bool>& stop);
