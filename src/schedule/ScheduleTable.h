#pragma once

#include "storage/ClientDataSet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The schedule table "YorraPDA13.xml": one row per recurring event of the game day.

// Its 21 fields in file order, with their types; the schedule editor's fixed field objects.
std::vector<TFieldDef> ScheduleTableFields();

// Alarm categories from the highest priority to the lowest; also the items of every alarm
// chooser. A name that is none of them counts as the last.
inline constexpr std::array<std::string_view, 4> ScheduleAlarmNames = {
    "ユーザーアラーム", "フレッタアラーム", "騎士アラーム", "アルバイトアラーム"};
std::string_view ScheduleAlarmCategory(std::string_view alarmName);

// The times of an entry as stored; nullopt for a null field.
struct TScheduleEntryTimes {
    std::optional<std::int32_t> Hour, Minutes;
    std::optional<std::int32_t> StartHour2, StartMinutes; // before-interval
    std::optional<std::int32_t> EndHour2, EndMinutes;     // after-interval
};

// Minutes of the game day (0 = 00:00, 1439 = 23:59) in which an entry is listed (All...) and
// in which it is running (Just...), each in up to two ranges Min..Max.
struct TScheduleWindows {
    std::int32_t AllMinMin1 = 0, AllMinMax1 = 0, AllMinMin2 = 0, AllMinMax2 = 0;
    std::int32_t JustAllMinMin1 = 0, JustAllMinMax1 = 0, JustAllMinMin2 = 0, JustAllMinMax2 = 0;
    bool operator==(const TScheduleWindows&) const = default;
};

// The settings' default interval: the whole part of hours × 60, plus minutes. Hours are real
// numbers (a half hour is .5); the product is taken with a 64-bit significand like the rest of
// the program's real arithmetic.
std::int32_t DefaultIntervalMinutes(double hours, std::int32_t minutes);

// The windows of an entry. Its before-interval B is the default when StartHour2 and
// StartMinutes are both null, else StartHour2 × 60 + StartMinutes (a null one counting 0); the
// after-interval A likewise from EndHour2/EndMinutes. With T = Hour × 60 + Minutes, S = T − B,
// E = T + A the listed window is
//   E > 1440: S..1439 and 0..E−1440;  else S < 0: S+1440..1439 and 0..E;  else S..E twice,
// and the running window the same with T in place of S. The end test comes first, so a window
// reaching past midnight at both ends keeps a start below 0.
TScheduleWindows ComputeScheduleWindows(const TScheduleEntryTimes& entry,
                                        std::int32_t defaultBefore, std::int32_t defaultAfter);

// The times of the table's current row.
TScheduleEntryTimes CurrentScheduleEntryTimes(TClientDataSet& table);

// Recomputes and stores the eight window fields of every row of the table (edit and post each,
// in the current view), with the default intervals from the settings "StartYooraHour",
// "StartYooraMinutes", "EndYooraHour" and "EndYooraMinutes". Leaves the first row current.
void StoreScheduleWindows(TClientDataSet& table, double startYooraHour,
                          std::int32_t startYooraMinutes, double endYooraHour,
                          std::int32_t endYooraMinutes);
