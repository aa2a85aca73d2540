#include "schedule/RotationList.h"

#include "storage/IniFile.h"

#include <algorithm>

std::vector<std::string> ReadRotationFile(const std::string& file, const TRotationKind& kind) {
    TIniFile ini(file);
    std::vector<std::string> entries;
    for (int n = 1; n <= MaxRotationEntries; ++n) {
        std::string value = ini.ReadString(kind.Section, kind.KeyPrefix + std::to_string(n));
        if (value.empty())
            break;
        entries.push_back(std::move(value));
    }
    return entries;
}

void WriteRotationFile(const std::string& file, const TRotationKind& kind,
                       const std::vector<std::string>& lines) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (std::size_t i = 0; i < lines.size(); ++i)
        keys.emplace_back(kind.KeyPrefix + std::to_string(i + 1), lines[i]);
    TIniFile ini(file);
    ini.WriteStrings(kind.Section, keys);
    ini.DeleteKey(kind.Section, kind.KeyPrefix + std::to_string(lines.size() + 1));
}

int RotationPosition(std::int32_t index, std::size_t rows) {
    if (rows == 0)
        return 0;
    const std::int64_t n = static_cast<std::int64_t>(rows);
    return static_cast<int>((index % n + n) % n);
}

const std::string& TRotationList::GetCurrentEntry() {
    static const std::string empty;
    if (reloadNeeded_) {
        rotationList_ = ReadRotationFile(file_, kind_);
        reloadNeeded_ = false;
    }
    if (rotationList_.empty())
        return empty;
    return rotationList_[static_cast<std::size_t>(RotationPosition(index_, rotationList_.size()))];
}

void TRotationEditor::Load(const std::vector<std::string>& entries, std::int32_t index) {
    rows_ = entries.empty() ? std::vector<std::string>{std::string()} : entries;
    topRow_ = 0;
    selected_ = MarkRow(index);
}

void TRotationEditor::Select(int row) {
    selected_ = std::clamp(row, 0, LastRow());
}

void TRotationEditor::SetTopRow(int row) {
    topRow_ = std::clamp(row, 0, LastRow());
}

void TRotationEditor::Add() {
    rows_.emplace_back();
    selected_ = LastRow();
}

bool TRotationEditor::Delete() {
    if (rows_.size() <= 1)
        return false;
    rows_.erase(rows_.begin() + selected_);
    selected_ = std::min(selected_, LastRow());
    topRow_ = std::min(topRow_, LastRow());
    return true;
}

void TRotationEditor::Up() {
    if (selected_ == 0)
        return;
    std::swap(rows_[selected_], rows_[selected_ - 1]);
    --selected_;
}

void TRotationEditor::Down() {
    if (selected_ == LastRow())
        return;
    std::swap(rows_[selected_], rows_[selected_ + 1]);
    ++selected_;
}

void TRotationEditor::AllUp() {
    std::rotate(rows_.begin(), rows_.begin() + 1, rows_.end());
}

void TRotationEditor::AllDown() {
    std::rotate(rows_.rbegin(), rows_.rbegin() + 1, rows_.rend());
}

void TRotationEditor::MoveRow(int from, int to) {
    from = std::clamp(from, 0, LastRow());
    to = std::clamp(to, 0, LastRow());
    std::string row = std::move(rows_[from]);
    rows_.erase(rows_.begin() + from);
    rows_.insert(rows_.begin() + to, std::move(row));
}
