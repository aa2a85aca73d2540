#pragma once

#include <cstdint>

// Local wall-clock date and time: milliseconds since 1970-01-01 00:00:00.000 local time.
// No time zone or daylight saving is applied: every calendar day counts 86 400 000 ms, which is
// what the game clock needs.
using TLocalDateTime = std::int64_t;

inline constexpr std::int64_t MsPerDay = 86'400'000;

// Days from 1970-01-01 to the given proleptic Gregorian date.
constexpr std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr TLocalDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                                        int second = 0, int millisecond = 0) {
    return DaysFromCivil(year, month, day) * MsPerDay +
           ((static_cast<std::int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
}

struct TDateTimeParts {
    int Year, Month, Day, Hour, Minute, Second, Millisecond;
};

TDateTimeParts DecodeDateTime(TLocalDateTime t);

// ISO weekday of the calendar date: Monday 1 … Sunday 7.
int IsoWeekday(TLocalDateTime t);
