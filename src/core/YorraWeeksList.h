#pragma once

#include "core/DateTime.h"

#include <array>
#include <string>
#include <vector>

// One line of the main window's list with the hint shown when the mouse rests on it.
struct TListLine {
    std::string Text;
    std::string Hint;
};

// One real weekday's texts of "YorraPDAWeek.ini".
struct TYorraWeek {
    std::string Name;
    std::vector<std::string> Effect;
    std::vector<std::string> Advance;
};

// The seven weekdays' names, effects and advanced-service benefits, read once at creation.
// A missing file or section gives empty names and no lines.
class TYorraWeeksList {
  public:
    explicit TYorraWeeksList(const std::string& weekIniFile);

    // n is the ISO weekday, Monday 1 … Sunday 7.
    const std::string& WeekName(int n) const { return weeks_[n - 1].Name; }
    const std::vector<std::string>& WeekEffects(int n) const { return weeks_[n - 1].Effect; }
    const std::vector<std::string>& WeekAdvances(int n) const { return weeks_[n - 1].Advance; }

    // The weekday lines of the list for the corrected clock: the day's name, its effects and
    // the advanced-service lines of the service day, which changes at 07:00 instead of midnight.
    void AppendWeekLines(std::vector<TListLine>& lines, TLocalDateTime correctedTime) const;

    static int CurrentWeekday(TLocalDateTime correctedTime);
    static int AdvanceWeekday(TLocalDateTime correctedTime);

  private:
    std::array<TYorraWeek, 7> weeks_;
};

// Splits a value whose lines are separated by the two characters backslash and n: an empty
// value has no lines, a trailing separator adds no empty line, two in a row give an empty line.
std::vector<std::string> SplitEscapedLines(const std::string& value);
