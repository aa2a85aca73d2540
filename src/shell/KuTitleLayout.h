#pragma once

#include <optional>
#include <string>
#include <vector>

// Two-level column titles of the data grid: each layout line "start,count,caption" puts a group
// caption over count data columns from start (counted from 0).
struct TKuTitleGroup {
    int Start = 0;
    int Count = 0;
    std::string Caption;
    friend bool operator==(const TKuTitleGroup&, const TKuTitleGroup&) = default;
};

// The columns a group covers, clamped to the existing ones.
struct TKuTitleRun {
    int First = 0;
    int Last = 0;
    std::string Caption;
    friend bool operator==(const TKuTitleRun&, const TKuTitleRun&) = default;
};

// Leading blanks are ignored and empty lines skipped; blanks around the numbers are allowed and
// the caption is the rest of the line after the second comma. Throws std::runtime_error quoting
// a line that is not of this form.
std::vector<TKuTitleGroup> ParseKuTitleLayout(const std::vector<std::string>& lines);

// The run of the first group that covers the column, if any.
std::optional<TKuTitleRun> FindKuTitleRun(const std::vector<TKuTitleGroup>& groups, int column,
                                          int columnCount);

// Any negative title height is kept as -1, the default row height.
inline int NormalizeKuTitleHeight(int value) {
    return value < 0 ? -1 : value;
}
