#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An INI profile file in cp932, read and written the way the program's data files expect:
// section and key names compare without regard to case, values are trimmed of surrounding
// blanks and read up to 2047 bytes, a written key replaces its line in place (a new key goes
// to the end of its section, a new section to the end of the file) and every other line is
// kept as it was. Lines end in CR LF. Each write reads the file afresh and replaces it
// atomically. Texts passed in and returned are UTF-8.
class TIniFile {
  public:
    static constexpr std::size_t MaxValueBytes = 2047;

    // Reads the file now; a missing or unreadable file reads as a file without sections.
    explicit TIniFile(std::string path);

    const std::string& FileName() const { return path_; }

    // The trimmed value, or defaultValue when the key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}) const;
    // The value as a decimal integer, or defaultValue when missing or not a number.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue = 0) const;
    bool SectionExists(std::string_view section) const;

    // Both throw std::runtime_error when the file cannot be written.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Writes several keys of one section with a single replacement of the file.
    void WriteStrings(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& keyValues);
    void DeleteKey(std::string_view section, std::string_view key);

    // Reads the file from disk again.
    void Reload();

  private:
    struct Located {
        std::ptrdiff_t sectionLine = -1; // index of the [section] line, -1 when missing
        std::ptrdiff_t keyLine = -1;     // index of the key line, -1 when missing
        std::size_t insertAt = 0;        // where a new key of the section goes
    };
    Located Locate(std::string_view section, std::string_view key) const;
    void Put(const std::string& section, std::string_view key, std::string_view value);
    void Save() const;

    std::string path_;
    std::vector<std::string> lines_; // cp932 bytes, without line ends
};

// Parses a whole decimal integer (optional sign, no other characters); false when it is not one
// or does not fit in 32 bits.
bool ParseInteger(std::string_view text, int& value);
