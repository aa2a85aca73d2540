#include "storage/IniFile.h"

#include "storage/AtomicFile.h"
#include "storage/Cp932.h"

#include <charconv>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Case-insensitive equality of two cp932 names: ASCII letters fold, but never the second
// byte of a double-byte character.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        std::size_t n = Cp932CharLength(a, i);
        if (n == 2) {
            if (a.compare(i, 2, b, i, 2) != 0 || Cp932CharLength(b, i) != 2)
                return false;
        } else {
            unsigned char x = static_cast<unsigned char>(a[i]);
            unsigned char y = static_cast<unsigned char>(b[i]);
            if (x >= 'a' && x <= 'z')
                x -= 32;
            if (y >= 'a' && y <= 'z')
                y -= 32;
            if (x != y || Cp932CharLength(b, i) != 1)
                return false;
        }
        i += n;
    }
    return true;
}

// "[name]" lines: the name, or nothing for other lines.
bool SectionName(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return false;
    std::size_t close = line.find(']');
    name =
        Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

// "key=value" lines: the trimmed key and value; comments and other lines give false.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return false;
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

// A value written into the file must stay on its line.
std::string OneLine(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\r' || c == '\n')
            c = ' ';
    return s;
}

} // namespace

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {
    Reload();
}

void TIniFile::Reload() {
    lines_.clear();
    std::optional<std::string> bytes = ReadFileBytes(path_);
    if (!bytes)
        return;
    std::string_view text = *bytes;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

TIniFile::Located TIniFile::Locate(std::string_view section, std::string_view key) const {
    Located at;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view name;
        if (SectionName(lines_[i], name)) {
            if (inSection)
                break; // the first section of the name is the one that counts
            inSection = SameName(name, section);
            if (inSection) {
                at.sectionLine = static_cast<std::ptrdiff_t>(i);
                at.insertAt = i + 1;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!Trim(lines_[i]).empty())
            at.insertAt = i + 1;
        std::string_view k, v;
        if (at.keyLine < 0 && KeyLine(lines_[i], k, v) && SameName(k, key))
            at.keyLine = static_cast<std::ptrdiff_t>(i);
    }
    return at;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    Located at = Locate(Utf8ToCp932(section), Utf8ToCp932(key));
    if (at.keyLine < 0)
        return std::string(defaultValue);
    std::string_view k, value;
    KeyLine(lines_[static_cast<std::size_t>(at.keyLine)], k, value);
    if (value.size() > MaxValueBytes) {
        // Cut at the cap, but never through a double-byte character.
        std::size_t end = 0;
        while (end < value.size()) {
            std::size_t n = Cp932CharLength(value, end);
            if (end + n > MaxValueBytes)
                break;
            end += n;
        }
        value = value.substr(0, end);
    }
    return Cp932ToUtf8(value);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    int value = 0;
    return ParseInteger(ReadString(section, key), value) ? value : defaultValue;
}

bool TIniFile::SectionExists(std::string_view section) const {
    return Locate(Utf8ToCp932(section), {}).sectionLine >= 0;
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Reload();
    Put(Utf8ToCp932(section), key, value);
    Save();
}

void TIniFile::WriteStrings(std::string_view section,
                            const std::vector<std::pair<std::string, std::string>>& keyValues) {
    Reload();
    const std::string s = Utf8ToCp932(section);
    for (const auto& [key, value] : keyValues)
        Put(s, key, value);
    Save();
}

// Sets one key in the lines in memory; section is cp932 already.
void TIniFile::Put(const std::string& section, std::string_view key, std::string_view value) {
    std::string k = Utf8ToCp932(key);
    std::string line = k + "=" + Utf8ToCp932(OneLine(value));
    Located at = Locate(section, k);
    if (at.keyLine >= 0) {
        lines_[static_cast<std::size_t>(at.keyLine)] = line;
    } else if (at.sectionLine >= 0) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at.insertAt), line);
    } else {
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
    }
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
    Reload();
    Located at = Locate(Utf8ToCp932(section), Utf8ToCp932(key));
    if (at.keyLine < 0)
        return;
    lines_.erase(lines_.begin() + at.keyLine);
    Save();
}

void TIniFile::Save() const {
    std::string bytes;
    for (const std::string& line : lines_) {
        bytes += line;
        bytes += "\r\n";
    }
    WriteFileAtomic(path_, bytes);
}

bool ParseInteger(std::string_view text, int& value) {
    // One optional sign, then digits only.
    const bool plus = !text.empty() && text.front() == '+';
    const std::size_t first = !text.empty() && (plus || text.front() == '-') ? 1 : 0;
    if (first >= text.size() || text[first] < '0' || text[first] > '9')
        return false;
    if (plus)
        text.remove_prefix(1);
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}
