#pragma once

#include "storage/TableFilter.h"
#include "storage/TableTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TClientDataSet;

// A field of a table: reads and writes the value of the current row (or of the row being
// edited). Field objects live as long as their table; a reload keeps the objects of fields
// whose name and type stay the same.
class TField {
  public:
    const std::string& FieldName() const { return def_.Name; }
    TFieldType DataType() const { return def_.DataType; }
    // String fields: the most cp932 bytes a value holds.
    int Size() const { return def_.Size; }
    bool ReadOnly() const { return def_.ReadOnly || def_.DataType == TFieldType::AutoInc; }
    // Position in the table's field list, from 0.
    int Index() const { return index_; }
    const TFieldDef& Def() const { return def_; }

    const TFieldValue& Value() const;
    bool IsNull() const;
    // Reading a null gives "", 0, false. AsString writes numbers in decimal and booleans as
    // "True"/"False"; AsInteger and AsFloat read a text as a number (and throw when it is not
    // one).
    std::string AsString() const;
    std::int32_t AsInteger() const;
    bool AsBoolean() const;
    double AsFloat() const;

    // Writing needs the table in Edit or Insert state; a text longer than a String field's
    // width is cut at a character boundary; a value of another type is converted (and a text
    // that is not a number throws for a number field).
    void SetAsString(std::string_view value);
    void SetAsInteger(std::int32_t value);
    void SetAsBoolean(bool value);
    void SetAsFloat(double value);
    void SetValue(const TFieldValue& value);
    // Makes the value null.
    void Clear();
    // Copies the other field's value, null included.
    void Assign(const TField& other);

  private:
    friend class TClientDataSet;
    TField(TClientDataSet& dataSet, TFieldDef def, int index)
        : dataSet_(&dataSet), def_(std::move(def)), index_(index) {}

    TClientDataSet* dataSet_;
    TFieldDef def_;
    int index_;
};

enum class TDataSetState { Inactive, Browse, Edit, Insert };

// What a data-aware control is told after a change of its table.
enum class TDataSetEvent {
    Layout,     // opened, closed, reloaded, re-ordered or re-filtered: read everything again
    DataChange, // a value, a row or the set of rows changed
    Scroll,     // another row became current
    StateChange // Browse, Edit or Insert began
};

// An in-memory table with typed fields, kept whole in memory and stored whole as a data
// packet file (storage/DataPacket.h).
//
// Rows are held in stored order, the order of the file. The view — what First/Next walk and
// RecordCount counts — is the rows that pass the filter (when Filtered) ordered by
// IndexFieldNames: ascending by the first field, then the next; a null comes before every
// value, false before true, texts compare by their bytes (UTF-8) and rows that tie keep their
// stored order. Without index fields the view is in stored order. Filter (grammar in
// storage/TableFilter.h) and IndexFieldNames may be set while the table is closed; they apply
// when it opens.
//
// The first AutoInc field (every table of the program has one, "ID") takes its values from a
// counter when a new row is posted; the counter only grows and is saved as AUTOINCVALUE, so an
// ID is never given twice, also after deletions.
//
// While LogChanges is on (the default), posted changes are kept as a change log until
// MergeChangeLog; SaveToFile writes a pending log along with the rows.
//
// Failures throw std::runtime_error with the file name, the field name or the filter text and
// the reason. A load that fails leaves the table closed and empty.
class TClientDataSet {
  public:
    TClientDataSet();
    // A table with fixed field objects: these fields exist while the table is closed, and a
    // file that lacks one of them (by name and type) is refused.
    explicit TClientDataSet(std::vector<TFieldDef> fixedFields);
    ~TClientDataSet();
    TClientDataSet(const TClientDataSet&) = delete;
    TClientDataSet& operator=(const TClientDataSet&) = delete;

    // Opens an empty table with these fields (the fixed fields when none are given).
    void CreateDataSet(std::vector<TFieldDef> fields = {});
    // Replaces fields and rows with the file's; a pending log in the file is folded in.
    void LoadFromFile(const std::string& path);
    // The same from the bytes of a file; sourceName names it in error messages.
    void LoadFromBytes(std::string_view bytes, const std::string& sourceName);
    // Posts a pending edit and replaces the file atomically with the table, all rows in stored
    // order whatever the view shows.
    void SaveToFile(const std::string& path);
    std::string SaveToBytes();
    // Drops rows and state; the fixed fields (or, without them, the fields) stay.
    void Close();
    bool Active() const { return state_ != TDataSetState::Inactive; }
    TDataSetState State() const { return state_; }

    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int index) { return *fields_.at(static_cast<std::size_t>(index)); }
    const TField& Fields(int index) const { return *fields_.at(static_cast<std::size_t>(index)); }
    std::vector<TFieldDef> FieldDefs() const;
    // Field names compare without regard to ASCII letter case. FieldByName throws for a name
    // the table lacks; FindField gives nullptr.
    TField& FieldByName(std::string_view name);
    TField* FindField(std::string_view name);

    std::int32_t AutoIncValue() const { return autoIncValue_; }

    bool LogChanges() const { return logChanges_; }
    void SetLogChanges(bool on) { logChanges_ = on; }
    // Number of rows inserted, modified or deleted since the last merge.
    int ChangeCount() const;
    void MergeChangeLog();

    const std::string& IndexFieldNames() const { return indexFieldNames_; }
    // Field names separated by ";"; "" for stored order. Throws for an unknown field.
    void SetIndexFieldNames(std::string_view names);
    const std::string& Filter() const { return filterText_; }
    // Throws for a predicate that does not parse (the previous filter stays); the predicate is
    // parsed when it takes effect: here while Filtered, else by SetFiltered(true) or opening.
    void SetFilter(std::string_view predicate);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool on);

    // Moving posts a pending edit first.
    void First();
    void Last();
    void Next();  // at the last row: Eof becomes true, the row stays current
    void Prior(); // at the first row: Bof becomes true
    bool Eof() const { return eof_; }
    bool Bof() const { return bof_; }
    int RecordCount() const { return static_cast<int>(view_.size()); }
    // Position of the current row in the view, from 1; 0 with no current row.
    int RecNo() const;
    void SetRecNo(int recNo);
    // Moves to the first row of the view whose field holds the value; false (and no move) when
    // none does.
    bool Locate(std::string_view fieldName, const TFieldValue& value);
    // A value of a row of the view without moving to it (row from 0), for grids.
    const TFieldValue& ViewValue(int row, int field) const;

    // Append starts a new row (all fields null) at the end of the view; Post stores it with
    // the next AutoInc value. Edit starts editing the current row (on an empty view it
    // appends). Post stores the edit, Cancel drops it. Delete removes the current row; the next
    // row becomes current (Eof when it was the last).
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    // Data-aware controls: handlers run after every change; while controls are disabled
    // (counted, as walks over all rows do it) nothing is sent, and the last EnableControls sends
    // one Layout if anything changed meanwhile.
    using TDataChangeHandler = std::function<void(TDataSetEvent)>;
    int AddDataChangeHandler(TDataChangeHandler handler); // gives an id for removal
    void RemoveDataChangeHandler(int id);
    void DisableControls() { ++controlsDisabled_; }
    void EnableControls();
    bool ControlsDisabled() const { return controlsDisabled_ > 0; }

  private:
    friend class TField;
    struct TRow;

    const TFieldValue& CurrentValue(int field) const;
    void SetCurrentValue(int field, TFieldValue value);
    void Open(std::vector<TFieldDef> fields, std::vector<TRowValues> rows,
              std::optional<std::int32_t> autoIncValue);
    void Reset(); // Close without telling the controls
    void SetFields(std::vector<TFieldDef> defs);
    void CheckFixedFields(const std::vector<TFieldDef>& defs, const std::string& sourceName) const;
    void CheckActive() const;
    void CheckBrowse(); // posts a pending edit
    std::vector<int> ResolveIndex(std::string_view names) const;
    bool Passes(const TRow& row) const;
    bool Before(const TRow& a, const TRow& b) const; // order of the view
    void RebuildView();
    void PlaceInView(TRow* row); // after a post: where the row belongs now
    void SetPosition(std::size_t position);

    std::vector<TFieldDef> fixedFields_;
    std::vector<std::unique_ptr<TField>> fields_;
    std::vector<std::unique_ptr<TRow>> rows_; // stored order
    std::vector<TRow*> view_;
    std::vector<TRowValues> deletedOriginals_; // for the change log
    std::uint64_t nextSequence_ = 0;
    std::int32_t autoIncValue_ = 1;
    int autoIncField_ = -1;
    bool logChanges_ = true;

    std::string indexFieldNames_;
    std::vector<int> indexFields_;
    std::string filterText_;
    std::optional<TTableFilter> filter_; // parsed while the table is open
    bool filtered_ = false;

    TDataSetState state_ = TDataSetState::Inactive;
    std::size_t position_ = 0; // index into view_
    bool eof_ = true;
    bool bof_ = true;
    TRowValues buffer_; // the row being edited or inserted

    void Notify(TDataSetEvent event);
    std::vector<std::pair<int, TDataChangeHandler>> handlers_;
    int nextHandlerId_ = 1;
    int controlsDisabled_ = 0;
    bool changedWhileDisabled_ = false;
};
