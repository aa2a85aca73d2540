#include "shell/KuTitleLayout.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void FailLine(const std::string& line, const char* reason) {
    throw std::runtime_error("title layout line \"" + line + "\": " + reason);
}

int ParseNumber(std::string_view text, const std::string& line) {
    text = TrimBlanks(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        FailLine(line, "start and count must be whole numbers");
    return value;
}

} // namespace

std::vector<TKuTitleGroup> ParseKuTitleLayout(const std::vector<std::string>& lines) {
    std::vector<TKuTitleGroup> groups;
    for (const std::string& line : lines) {
        std::string_view rest = line;
        while (!rest.empty() && IsBlank(rest.front()))
            rest.remove_prefix(1);
        if (rest.empty())
            continue;
        const auto first = rest.find(',');
        const auto second = first == std::string_view::npos ? first : rest.find(',', first + 1);
        if (second == std::string_view::npos)
            FailLine(line, "expected start,count,caption");
        groups.push_back({ParseNumber(rest.substr(0, first), line),
                          ParseNumber(rest.substr(first + 1, second - first - 1), line),
                          std::string(rest.substr(second + 1))});
    }
    return groups;
}

std::optional<TKuTitleRun> FindKuTitleRun(const std::vector<TKuTitleGroup>& groups, int column,
                                          int columnCount) {
    for (const TKuTitleGroup& group : groups) {
        if (group.Count <= 0)
            continue;
        const long long last = static_cast<long long>(group.Start) + group.Count - 1;
        const int first = std::max(group.Start, 0);
        const int clampedLast = static_cast<int>(std::min<long long>(last, columnCount - 1));
        if (first <= column && column <= clampedLast)
            return TKuTitleRun{first, clampedLast, group.Caption};
    }
    return std::nullopt;
}
