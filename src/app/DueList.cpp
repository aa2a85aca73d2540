#include "app/DueList.h"

#include "core/YorraClockIni.h"
#include "schedule/RotationList.h"

#include <algorithm>
#include <cstdio>

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

bool Within(int m, std::int32_t min, std::int32_t max) {
    return min <= m && m <= max;
}

} // namespace

TDueLineColour DueLineColour(std::string_view line) {
    if (StartsWith(line, "■"))
        return {255, 128, 128};
    if (StartsWith(line, "●ムーンゲート●"))
        return {242, 146, 48};
    if (StartsWith(line, "●プライス●"))
        return {96, 204, 96};
    if (StartsWith(line, "○"))
        return {204, 153, 255};
    if (StartsWith(line, "△"))
        return {255, 153, 255};
    if (line.find('[') != std::string_view::npos)
        return {128, 128, 255};
    return {128, 128, 128};
}

TDueListEngine::TDueListEngine(std::string scheduleFile, TRotationList& moonGate,
                               TRotationList& price, const TYorraWeeksList& weeks)
    : scheduleFile_(std::move(scheduleFile)), moonGate_(moonGate), price_(price), weeks_(weeks) {}

void TDueListEngine::RebuildViewTable(const std::string& storedArea, std::int32_t before,
                                      std::int32_t after) {
    entries_.clear();
    areaNames_.clear();
    TClientDataSet table;
    try {
        table.LoadFromFile(scheduleFile_);
    } catch (...) {
        currentArea_ = storedArea;
        throw;
    }
    table.SetFiltered(false);
    table.MergeChangeLog();
    table.SetLogChanges(false);

    // Areas in the order in which they first appear by time, place and memo.
    table.SetIndexFieldNames("Hour;Place;Memo");
    TField& area = table.FieldByName("Area");
    for (table.First(); !table.Eof(); table.Next()) {
        std::string name = area.AsString();
        if (!name.empty() &&
            std::find(areaNames_.begin(), areaNames_.end(), name) == areaNames_.end())
            areaNames_.push_back(std::move(name));
    }
    const bool known =
        std::find(areaNames_.begin(), areaNames_.end(), storedArea) != areaNames_.end();
    currentArea_ = known ? storedArea : (areaNames_.empty() ? std::string() : areaNames_.front());

    table.SetIndexFieldNames("Area;Hour;Minutes;Place;Memo");
    TField& id = table.FieldByName("ID");
    TField& hour = table.FieldByName("Hour");
    TField& minutes = table.FieldByName("Minutes");
    TField& place = table.FieldByName("Place");
    TField& memo = table.FieldByName("Memo");
    TField& checkVisible = table.FieldByName("CheckVisible");
    TField& alarmName = table.FieldByName("AlarmName");
    for (table.First(); !table.Eof(); table.Next()) {
        TDueEntry entry;
        entry.Id = id.AsInteger();
        entry.Area = area.AsString();
        entry.AnyArea = entry.Area.empty();
        entry.CheckVisible = !checkVisible.IsNull() && checkVisible.AsBoolean();
        entry.Windows = ComputeScheduleWindows(CurrentScheduleEntryTimes(table), before, after);
        char head[64];
        std::snprintf(head, sizeof head, "%.2d:%.2d - %.2d:%.2d", hour.AsInteger(),
                      minutes.AsInteger(), entry.Windows.AllMinMax2 / 60,
                      entry.Windows.AllMinMax2 % 60);
        entry.Line = head + place.AsString();
        entry.Hint = ReplaceAll(memo.AsString(), "\r\n", "|");
        entry.AlarmName = alarmName.AsString();
        entries_.push_back(std::move(entry));
    }
}

void TDueListEngine::SelectArea(const std::string& area) {
    currentArea_ = area;
    shown_.assign(1, TListLine{"■" + area + "■", "よていひょう表示エリア"});
}

TListLine& TDueListEngine::Slot(std::size_t index) {
    if (index >= built_.size())
        built_.resize(index + 1);
    return built_[index];
}

void TDueListEngine::SetSlot(std::size_t index, std::string_view a, std::string_view b,
                             std::string_view c, std::string_view hint) {
    TListLine& line = Slot(index);
    line.Text.assign(a);
    line.Text.append(b);
    line.Text.append(c);
    line.Hint.assign(hint);
}

bool TDueListEngine::SameAsShown() const {
    if (shown_.size() != builtCount_)
        return false;
    for (std::size_t i = 0; i < builtCount_; ++i)
        if (shown_[i].Text != built_[i].Text)
            return false;
    return true;
}

bool TDueListEngine::RefreshDueList(int m, TLocalDateTime correctedTime) {
    builtCount_ = 0;
    alarmsToPlay_.clear();
    due_.clear();
    dueIds_.clear();
    SetSlot(builtCount_++, "■", currentArea_, "■", "よていひょう表示エリア");
    SetSlot(builtCount_++, "●ムーンゲート● ", moonGate_.GetCurrentEntry(), "", "ムーンゲート");
    SetSlot(builtCount_++, "●プライス● ", price_.GetCurrentEntry(), "", "プライス");

    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const TDueEntry& e = entries_[i];
        const TScheduleWindows& w = e.Windows;
        if (!(e.AnyArea || e.Area == currentArea_) || !e.CheckVisible)
            continue;
        if (!Within(m, w.AllMinMin1, w.AllMinMax1) && !Within(m, w.AllMinMin2, w.AllMinMax2))
            continue;
        const bool running = Within(m, w.JustAllMinMin1, w.JustAllMinMax1) ||
                             Within(m, w.JustAllMinMin2, w.JustAllMinMax2);
        SetSlot(builtCount_++, running ? "●" : "", e.Line, "", e.Hint);
        due_.push_back(i);
        dueIds_.push_back(e.Id);
    }

    const int day = TYorraWeeksList::CurrentWeekday(correctedTime);
    SetSlot(builtCount_++, "○", weeks_.WeekName(day), "○", "現在のようび");
    for (const std::string& effect : weeks_.WeekEffects(day))
        SetSlot(builtCount_++, "○", effect, "○", "ようびこうか");
    for (const std::string& advance :
         weeks_.WeekAdvances(TYorraWeeksList::AdvanceWeekday(correctedTime)))
        SetSlot(builtCount_++, "△", advance, "△", "アドバンスドプレイサービス");

    if (dueIds_ == previousDueIds_ && SameAsShown())
        return false;
    shown_.assign(built_.begin(), built_.begin() + static_cast<std::ptrdiff_t>(builtCount_));
    CollectAlarmsOfNewEntries();
    previousDueIds_ = dueIds_;
    return true;
}

void TDueListEngine::CollectAlarmsOfNewEntries() {
    for (std::size_t i : due_) {
        const TDueEntry& e = entries_[i];
        if (std::find(previousDueIds_.begin(), previousDueIds_.end(), e.Id) !=
            previousDueIds_.end())
            continue;
        alarmsToPlay_ += e.AlarmName;
        alarmsToPlay_ += '\n';
    }
}

std::string TDueListEngine::LineHint(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= shown_.size())
        return {};
    const TListLine& line = shown_[static_cast<std::size_t>(index)];
    if (line.Hint.empty())
        return line.Text;
    return line.Text + "\n" + ReplaceAll(line.Hint, "|", "\n");
}

TDueListClick TDueListEngine::Click(int index) const {
    const std::size_t lines = shown_.size();
    if (index == 0 && lines >= 1)
        return TDueListClick::ShowAreaChooser;
    if (index == 1 && lines >= 2)
        return TDueListClick::OpenMoonGate;
    if (index == 2 && lines >= 3)
        return TDueListClick::OpenPrice;
    return TDueListClick::None;
}

void RebuildDueList(TDueListEngine& engine, TYorraClockIni& ini) {
    try {
        engine.RebuildViewTable(
            ini.AreaName(), DefaultIntervalMinutes(ini.StartYooraHour(), ini.StartYooraMinutes()),
            DefaultIntervalMinutes(ini.EndYooraHour(), ini.EndYooraMinutes()));
    } catch (...) {
        ini.SetAreaName(engine.CurrentArea());
        throw;
    }
    ini.SetAreaName(engine.CurrentArea());
}

bool RefreshDueListAndRing(TDueListEngine& engine, const TYorraClockIni& ini, int minuteOfDay,
                           TLocalDateTime correctedTime) {
    if (!engine.RefreshDueList(minuteOfDay, correctedTime))
        return false;
    if (!engine.AlarmsToPlay().empty())
        ini.PlaySoundFile(ini.SelectAlarmSound(engine.AlarmsToPlay()));
    return true;
}
