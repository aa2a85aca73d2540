#include "platform/SystemClock.h"

#include <chrono>
#include <ctime>

TLocalDateTime TSystemClock::Now() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::int64_t ms = duration_cast<milliseconds>(now.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec, static_cast<int>(ms % 1000));
}
