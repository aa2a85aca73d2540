#include "core/DateTime.h"

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

TDateTimeParts DecodeDateTime(TLocalDateTime t) {
    const std::int64_t days = FloorDiv(t, MsPerDay);
    std::int64_t ms = t - days * MsPerDay;
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    TDateTimeParts p{year, month, day, 0, 0, 0, 0};
    p.Hour = static_cast<int>(ms / 3'600'000);
    ms %= 3'600'000;
    p.Minute = static_cast<int>(ms / 60'000);
    ms %= 60'000;
    p.Second = static_cast<int>(ms / 1000);
    p.Millisecond = static_cast<int>(ms % 1000);
    return p;
}

int IsoWeekday(TLocalDateTime t) {
    // 1970-01-01 was a Thursday (4).
    const std::int64_t days = FloorDiv(t, MsPerDay);
    return static_cast<int>((days % 7 + 7 + 3) % 7) + 1;
}
