#include "schedule/ScheduleTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t MinutesPerDay = 1440;

std::int32_t ToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Interval(const std::optional<std::int32_t>& hours,
                      const std::optional<std::int32_t>& minutes, std::int32_t defaultMinutes) {
    if (!hours && !minutes)
        return defaultMinutes;
    return std::int64_t{hours.value_or(0)} * 60 + minutes.value_or(0);
}

// Splits Start..End into the two ranges of the game day.
void Split(std::int64_t start, std::int64_t end, std::int32_t& min1, std::int32_t& max1,
           std::int32_t& min2, std::int32_t& max2) {
    if (end > MinutesPerDay) {
        min1 = ToInt32(start);
        max1 = MinutesPerDay - 1;
        min2 = 0;
        max2 = ToInt32(end - MinutesPerDay);
    } else if (start < 0) {
        min1 = ToInt32(start + MinutesPerDay);
        max1 = MinutesPerDay - 1;
        min2 = 0;
        max2 = ToInt32(end);
    } else {
        min1 = min2 = ToInt32(start);
        max1 = max2 = ToInt32(end);
    }
}

std::optional<std::int32_t> Read(const TField& field) {
    if (field.IsNull())
        return std::nullopt;
    return field.AsInteger();
}

} // namespace

std::vector<TFieldDef> ScheduleTableFields() {
    return {AutoIncFieldDef("ID"),
            IntegerFieldDef("Hour"),
            IntegerFieldDef("Minutes"),
            IntegerFieldDef("StartHour2"),
            IntegerFieldDef("StartMinutes"),
            IntegerFieldDef("EndHour2"),
            IntegerFieldDef("EndMinutes"),
            StringFieldDef("Area", 20),
            StringFieldDef("Memo", 5000),
            StringFieldDef("Place", 50),
            IntegerFieldDef("AllMinMax1"),
            IntegerFieldDef("AllMinMin1"),
            IntegerFieldDef("AllMinMax2"),
            IntegerFieldDef("AllMinMin2"),
            IntegerFieldDef("JustAllMinMax1"),
            IntegerFieldDef("JustAllMinMin1"),
            IntegerFieldDef("JustAllMinMax2"),
            IntegerFieldDef("JustAllMinMin2"),
            BooleanFieldDef("CheckVisible"),
            BooleanFieldDef("SystemCheck"),
            StringFieldDef("AlarmName", 50)};
}

std::string_view ScheduleAlarmCategory(std::string_view alarmName) {
    for (std::string_view name : ScheduleAlarmNames)
        if (name == alarmName)
            return name;
    return ScheduleAlarmNames.back();
}

std::int32_t DefaultIntervalMinutes(double hours, std::int32_t minutes) {
    long double product = static_cast<long double>(hours) * 60;
    // Settings hold small numbers; anything else must not overflow the conversion.
    if (!std::isfinite(product))
        product = 0;
    product = std::clamp<long double>(product, -1e9L, 1e9L);
    return ToInt32(static_cast<std::int64_t>(std::trunc(product)) + minutes);
}

TScheduleWindows ComputeScheduleWindows(const TScheduleEntryTimes& entry,
                                        std::int32_t defaultBefore, std::int32_t defaultAfter) {
    const std::int64_t t = std::int64_t{entry.Hour.value_or(0)} * 60 + entry.Minutes.value_or(0);
    const std::int64_t s = t - Interval(entry.StartHour2, entry.StartMinutes, defaultBefore);
    const std::int64_t e = t + Interval(entry.EndHour2, entry.EndMinutes, defaultAfter);
    TScheduleWindows w;
    Split(s, e, w.AllMinMin1, w.AllMinMax1, w.AllMinMin2, w.AllMinMax2);
    Split(t, e, w.JustAllMinMin1, w.JustAllMinMax1, w.JustAllMinMin2, w.JustAllMinMax2);
    return w;
}

TScheduleEntryTimes CurrentScheduleEntryTimes(TClientDataSet& table) {
    return {Read(table.FieldByName("Hour")),       Read(table.FieldByName("Minutes")),
            Read(table.FieldByName("StartHour2")), Read(table.FieldByName("StartMinutes")),
            Read(table.FieldByName("EndHour2")),   Read(table.FieldByName("EndMinutes"))};
}

void StoreScheduleWindows(TClientDataSet& table, double startYooraHour,
                          std::int32_t startYooraMinutes, double endYooraHour,
                          std::int32_t endYooraMinutes) {
    const std::int32_t before = DefaultIntervalMinutes(startYooraHour, startYooraMinutes);
    const std::int32_t after = DefaultIntervalMinutes(endYooraHour, endYooraMinutes);
    const std::pair<TField*, std::int32_t TScheduleWindows::*> targets[] = {
        {&table.FieldByName("AllMinMin1"), &TScheduleWindows::AllMinMin1},
        {&table.FieldByName("AllMinMax1"), &TScheduleWindows::AllMinMax1},
        {&table.FieldByName("AllMinMin2"), &TScheduleWindows::AllMinMin2},
        {&table.FieldByName("AllMinMax2"), &TScheduleWindows::AllMinMax2},
        {&table.FieldByName("JustAllMinMin1"), &TScheduleWindows::JustAllMinMin1},
        {&table.FieldByName("JustAllMinMax1"), &TScheduleWindows::JustAllMinMax1},
        {&table.FieldByName("JustAllMinMin2"), &TScheduleWindows::JustAllMinMin2},
        {&table.FieldByName("JustAllMinMax2"), &TScheduleWindows::JustAllMinMax2}};
    for (table.First(); !table.Eof(); table.Next()) {
        TScheduleWindows windows =
            ComputeScheduleWindows(CurrentScheduleEntryTimes(table), before, after);
        table.Edit();
        for (const auto& [field, member] : targets)
            field->SetAsInteger(windows.*member);
        table.Post();
    }
    table.First();
}
