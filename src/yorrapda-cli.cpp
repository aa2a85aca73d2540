#include "app/YorraCli.h"
#include "core/SystemClock.h"
#include "storage/YorraClockPathAndFile.h"

#include <atomic>
#include <csignal>
#include <iostream>

namespace {
std::atomic<bool> stopRequested{false};
}

int main(int argc, char* argv[]) {
    std::signal(SIGINT, [](int) { stopRequested = true; });
    std::signal(SIGTERM, [](int) { stopRequested = true; });
    TSystemClock clock;
    return RunYorraCli(std::vector<std::string>(argv + 1, argv + argc), clock,
                       TYorraClockPathAndFile::GetProgramFolder(), std::cout, std::cerr,
                       stopRequested);
}
