#pragma once

#include "core/DateTime.h"
#include "core/YorraWeeksList.h"
#include "schedule/ScheduleTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TRotationList;
class TYorraClockIni;

// What a click on a line of the list asks for.
enum class TDueListClick { None, ShowAreaChooser, OpenMoonGate, OpenPrice };

struct TDueLineColour {
    std::uint8_t R, G, B;
    bool operator==(const TDueLineColour&) const = default;
};

// Colour of a line of the list, decided by its text.
TDueLineColour DueLineColour(std::string_view line);

// The main window's list of what matters now: the area line, the moon gate and the merchant,
// the schedule entries due at the current game minute and the weekday lines. It keeps its own
// copy of the schedule (never saved) with the entries' windows computed afresh at every
// rebuild, rebuilds the lines once per game minute and rings the alarm of newly due entries.
//
// The engine reads files only; the caller stores the chosen area and plays the alarm, so that
// the command-line companion can use it without touching the settings. A refresh that finds
// the list unchanged touches no heap memory: the lines are built into buffers kept from
// earlier refreshes.
class TDueListEngine {
  public:
    TDueListEngine(std::string scheduleFile, TRotationList& moonGate, TRotationList& price,
                   const TYorraWeeksList& weeks);

    // Loads the schedule, lists its areas in first-appearance order (by time, place, memo),
    // chooses the stored area (or the first one when it is not among them) and computes every
    // entry's windows with the default intervals before and after (game minutes). Throws when
    // the file cannot be loaded; the list then has no entries.
    void RebuildViewTable(const std::string& storedArea, std::int32_t defaultBefore,
                          std::int32_t defaultAfter);

    // Builds the lines for game minute m; true when the shown lines changed.
    bool RefreshDueList(int minuteOfDay, TLocalDateTime correctedTime);
    // After a refresh that changed the list: the alarm names of the entries that were not due
    // at the change before, one a line; "" when no entry is new.
    const std::string& AlarmsToPlay() const { return alarmsToPlay_; }

    const std::vector<std::string>& AreaNames() const { return areaNames_; }
    const std::string& CurrentArea() const { return currentArea_; }
    // A new area chosen: the list shows only the area line until the next game minute, when
    // the new area's entries count as new.
    void SelectArea(const std::string& area);

    // How many schedule entries the last refresh found due.
    std::size_t DueCount() const { return dueIds_.size(); }
    // The lines shown now, with their hints.
    const std::vector<TListLine>& ShownLines() const { return shown_; }
    // The tooltip of line i: its text, then its hint with "|" as line breaks; "" for no line.
    std::string LineHint(int index) const;
    TDueListClick Click(int index) const;

  private:
    struct TDueEntry {
        std::int32_t Id;
        bool AnyArea; // area null or empty: listed in every area
        std::string Area;
        bool CheckVisible;
        TScheduleWindows Windows;
        std::string Line; // without the running mark
        std::string Hint;
        std::string AlarmName;
    };

    TListLine& Slot(std::size_t index);
    void SetSlot(std::size_t index, std::string_view a, std::string_view b, std::string_view c,
                 std::string_view hint);
    bool SameAsShown() const;
    void CollectAlarmsOfNewEntries();

    std::string scheduleFile_;
    TRotationList& moonGate_;
    TRotationList& price_;
    const TYorraWeeksList& weeks_;

    std::vector<TDueEntry> entries_; // in the list's order: Area, Hour, Minutes, Place, Memo
    std::vector<std::string> areaNames_;
    std::string currentArea_;

    std::vector<TListLine> built_; // buffers; the first builtCount_ are this refresh's lines
    std::size_t builtCount_ = 0;
    std::vector<std::size_t> due_;             // entries listed by this refresh
    std::vector<std::int32_t> dueIds_;         // their IDs, in list order
    std::vector<std::int32_t> previousDueIds_; // IDs of the last refresh that changed the list
    std::vector<TListLine> shown_;
    std::string alarmsToPlay_;
};

// The main window's use of the engine with the settings: rebuild with the default intervals
// and the stored area, storing the area chosen.
void RebuildDueList(TDueListEngine& engine, TYorraClockIni& ini);
// Refresh, and play one sound, chosen by priority, for the entries that became due; true when
// the list changed.
bool RefreshDueListAndRing(TDueListEngine& engine, const TYorraClockIni& ini, int minuteOfDay,
                           TLocalDateTime correctedTime);
