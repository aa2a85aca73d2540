#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where a rotation keeps its entries: the section and the key prefix, followed by the positions
// 1, 2, … of the entries.
struct TRotationKind {
    const char* Section;
    const char* KeyPrefix;
};

inline constexpr TRotationKind MoonGateRotation{"MoonGate", "Gate"};
inline constexpr TRotationKind PriceRotation{"Price", "Position"};

inline constexpr int MaxRotationEntries = 100;

// The entries of a rotation file in order, stopping at the first missing or empty value and
// after 100 entries. A missing file has no entries.
std::vector<std::string> ReadRotationFile(const std::string& file, const TRotationKind& kind);

// Writes the entries as positions 1 … N and deletes position N + 1, which ends the list there
// for the next read (keys beyond it may stay in the file). Throws when the file cannot be written.
void WriteRotationFile(const std::string& file, const TRotationKind& kind,
                       const std::vector<std::string>& lines);

// The rotation the main window looks up: the confirmed list, read again when needed, and the
// current index the clock hands over on every tick.
class TRotationList {
  public:
    TRotationList(std::string file, TRotationKind kind) : file_(std::move(file)), kind_(kind) {}

    void SetIndex(std::int32_t index) { index_ = index; }
    std::int32_t Index() const { return index_; }
    // After a confirmed edit: the next look-up reads the file again.
    void SetReloadNeeded() { reloadNeeded_ = true; }
    bool ReloadNeeded() const { return reloadNeeded_; }

    // The entry at position index mod N (counted from 0); an empty text for an empty list.
    const std::string& GetCurrentEntry();

    const std::string& FileName() const { return file_; }
    const TRotationKind& Kind() const { return kind_; }

  private:
    std::string file_;
    TRotationKind kind_;
    std::vector<std::string> rotationList_;
    bool reloadNeeded_ = true;
    std::int32_t index_ = 0;
};

// Position index mod rows, never negative; 0 for no rows.
int RotationPosition(std::int32_t index, std::size_t rows);

// The rows of a rotation being edited, with the selected and the top visible row, and the
// editing commands of the rotation windows. There is always at least one row.
class TRotationEditor {
  public:
    // Shows a list: one row per entry (one empty row for none); selects the current entry.
    void Load(const std::vector<std::string>& entries, std::int32_t index);

    const std::vector<std::string>& Rows() const { return rows_; }
    std::vector<std::string>& Rows() { return rows_; }
    int Selected() const { return selected_; }
    int TopRow() const { return topRow_; }
    void Select(int row);
    void SetTopRow(int row);

    // The row carrying the current-entry mark.
    int MarkRow(std::int32_t index) const { return RotationPosition(index, rows_.size()); }

    void Add();
    // False (and nothing changes) when only one row is left.
    bool Delete();
    void Up();
    void Down();
    void AllUp();
    void AllDown();
    // A row dragged from one position to another.
    void MoveRow(int from, int to);

  private:
    int LastRow() const { return static_cast<int>(rows_.size()) - 1; }

    std::vector<std::string> rows_{std::string()};
    int selected_ = 0;
    int topRow_ = 0;
};
