#pragma once

#include "core/DateTime.h"

#include <array>
#include <cstdint>
#include <string_view>

// The game world's clock at one instant. Filled by ComputeYorraTime without touching the heap,
// because the main window computes it twenty times a second.
struct TYorraTimeInfo {
    TLocalDateTime CorrectedTime = 0; // the PC clock moved by the correction
    std::uint16_t RealDays = 0;       // whole real days since the base date, wrapping at 65 536
    int ElapsedYorraMinutes = 0;      // game minutes since the real midnight, 0 … 57 599
    int MinuteOfDay = 0;              // minute of the game day, 0 … 1439
    int Hour = 0;
    int Minute = 0;
    std::int32_t MoonGateIndex = 0;        // steps up at game 06:00
    std::int32_t PriceIndex = 0;           // steps up at game midnight
    std::array<char, 6> ClockTextBuffer{}; // "HH:MM" and a terminating zero
    std::string_view BackPictureName;      // file name of the day-phase picture

    std::string_view ClockText() const { return {ClockTextBuffer.data(), 5}; }
};

// Real day number 0 of the game's calendar begins at this local instant.
inline constexpr TLocalDateTime YorraBaseDate = EncodeDateTime(2005, 3, 27);

// One game minute lasts 1.5 real seconds.
inline constexpr int RealMsPerYorraMinute = 1500;

// Turns the local clock and the user's correction (game minutes) into Yorra time. A corrected
// time before the base date (a PC clock set before 2005) reads as the base instant itself, so
// the game fields stay in their ranges; CorrectedTime keeps the true corrected time.
TYorraTimeInfo ComputeYorraTime(TLocalDateTime now, std::int32_t plusYooraMin);
