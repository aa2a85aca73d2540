#include "memo/NewBrowserWindow.h"

#include <algorithm>
#include <array>

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return out;
}

bool IsWebAddress(std::string_view address) {
    std::string lower = Lower(address.substr(0, 8));
    return lower.starts_with("http://") || lower.starts_with("https://");
}

// Splits a command template into words: blanks separate them, double quotes group them and a
// backslash inside quotes takes the next character literally. Empty on an unclosed quote.
std::optional<std::vector<std::string>> SplitCommand(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < command.size(); ++i) {
        char c = command[i];
        if (quoted) {
            if (c == '"')
                quoted = false;
            else if (c == '\\' && i + 1 < command.size())
                word.push_back(command[++i]);
            else
                word.push_back(c);
        } else if (c == ' ' || c == '\t') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '"')
                quoted = true;
            else
                word.push_back(c);
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words.push_back(word);
    return words;
}

bool IsAddressCode(std::string_view word) {
    return word == "%u" || word == "%U" || word == "%f" || word == "%F" || word == "%s";
}

// Field codes that expand to nothing useful here (icon, name, location of the entry).
bool IsOtherFieldCode(std::string_view word) {
    return word.size() == 2 && word[0] == '%' && word[1] != '%';
}

std::string UnescapePercent(std::string_view word) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        out.push_back(word[i]);
        if (word[i] == '%' && i + 1 < word.size() && word[i + 1] == '%')
            ++i;
    }
    return out;
}

bool TakesNewWindowOption(const std::vector<std::string>& words) {
    static constexpr std::array<std::string_view, 11> kBrowsers = {
        "firefox", "librewolf", "waterfox", "chrome", "chromium", "microsoft-edge",
        "msedge",  "brave",     "vivaldi",  "opera",  "epiphany"};
    return std::any_of(words.begin(), words.end(), [](const std::string& word) {
        std::string lower = Lower(word);
        return std::any_of(kBrowsers.begin(), kBrowsers.end(), [&](std::string_view name) {
            return lower.find(name) != std::string::npos;
        });
    });
}

} // namespace

std::optional<TBrowserCommand> NewBrowserWindowCommand(std::string_view commandTemplate,
                                                       std::string_view address) {
    if (!address.empty() && !IsWebAddress(address))
        return std::nullopt;
    std::optional<std::vector<std::string>> words = SplitCommand(commandTemplate);
    if (!words || words->empty() || !TakesNewWindowOption(*words))
        return std::nullopt;
    std::vector<std::string> addressWords = {"--new-window"};
    if (!address.empty())
        addressWords.emplace_back(address);
    TBrowserCommand command{words->front(), {}};
    bool placed = false;
    for (std::size_t i = 1; i < words->size(); ++i) {
        const std::string& word = (*words)[i];
        if (IsAddressCode(word)) {
            if (!placed)
                command.Arguments.insert(command.Arguments.end(), addressWords.begin(),
                                         addressWords.end());
            placed = true;
        } else if (!IsOtherFieldCode(word)) {
            command.Arguments.push_back(UnescapePercent(word));
        }
    }
    if (!placed)
        command.Arguments.insert(command.Arguments.end(), addressWords.begin(), addressWords.end());
    return command;
}
