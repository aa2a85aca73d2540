#include "storage/ClientDataSet.h"

#include "storage/AtomicFile.h"
#include "storage/Cp932.h"
#include "storage/DataPacket.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

struct TClientDataSet::TRow {
    enum class TOrigin { Base, Inserted, Modified };
    std::uint64_t Sequence = 0; // grows with stored order
    TRowValues Values;
    TOrigin Origin = TOrigin::Base;
    TRowValues Original; // the values before the first logged modification
};

namespace {

const TFieldValue NullValue;

const char* TypeText(TFieldType type) {
    switch (type) {
    case TFieldType::AutoInc:
        return "AutoInc";
    case TFieldType::Integer:
        return "Integer";
    case TFieldType::String:
        return "String";
    case TFieldType::Boolean:
        return "Boolean";
    case TFieldType::Memo:
        return "Memo";
    case TFieldType::Float:
        return "Float";
    }
    return "";
}

[[noreturn]] void FailField(const std::string& field, const std::string& reason) {
    throw std::runtime_error("field \"" + field + "\": " + reason);
}

std::string NumberText(double value) {
    char buffer[32];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::int32_t ToInteger(double value, const std::string& field) {
    double rounded = std::nearbyint(value); // half to even
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        FailField(field, NumberText(value) + " is out of the integer range");
    return static_cast<std::int32_t>(rounded);
}

double ParseNumber(const std::string& text, const std::string& field) {
    double value = 0;
    const char* end = text.data() + text.size();
    auto [last, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || last != end)
        FailField(field, "\"" + text + "\" is not a number");
    return value;
}

// Cuts a text to the field width counted in cp932 bytes, at a character boundary.
std::string FitWidth(std::string text, int width) {
    if (width <= 0 || text.size() <= static_cast<std::size_t>(width))
        return text; // cp932 never takes more bytes than UTF-8
    std::string cp932 = Utf8ToCp932(text);
    if (cp932.size() <= static_cast<std::size_t>(width))
        return text;
    std::size_t cut = 0;
    while (cut < cp932.size() &&
           cut + Cp932CharLength(cp932, cut) <= static_cast<std::size_t>(width))
        cut += Cp932CharLength(cp932, cut);
    return Cp932ToUtf8(std::string_view(cp932).substr(0, cut));
}

// The value in the form a field of the given type holds.
// (width: the most cp932 bytes of a String, 0 for no limit)
TFieldValue ConvertTo(TFieldType type, int width, const std::string& name,
                      const TFieldValue& value) {
    if (IsNullValue(value))
        return value;
    const auto* integer = std::get_if<std::int32_t>(&value);
    const auto* boolean = std::get_if<bool>(&value);
    const auto* text = std::get_if<std::string>(&value);
    const auto* real = std::get_if<double>(&value);
    switch (type) {
    case TFieldType::AutoInc:
    case TFieldType::Integer:
        if (integer)
            return *integer;
        if (real)
            return ToInteger(*real, name);
        if (text)
            return ToInteger(ParseNumber(*text, name), name);
        return static_cast<std::int32_t>(*boolean);
    case TFieldType::String:
    case TFieldType::Memo: {
        std::string result = text      ? *text
                             : integer ? std::to_string(*integer)
                             : real    ? NumberText(*real)
                                       : std::string(*boolean ? "True" : "False");
        return type == TFieldType::String ? FitWidth(std::move(result), width) : result;
    }
    case TFieldType::Boolean:
        if (boolean)
            return *boolean;
        if (integer)
            return *integer != 0;
        if (real)
            return *real != 0;
        if (SameFieldName(*text, "True"))
            return true;
        if (SameFieldName(*text, "False"))
            return false;
        FailField(name, "\"" + *text + "\" is not a boolean");
    case TFieldType::Float:
        if (real)
            return *real;
        if (integer)
            return static_cast<double>(*integer);
        if (text)
            return ParseNumber(*text, name);
        return *boolean ? 1.0 : 0.0;
    }
    return {};
}

} // namespace

// ---- TField ----

const TFieldValue& TField::Value() const {
    return dataSet_->CurrentValue(index_);
}

bool TField::IsNull() const {
    return IsNullValue(Value());
}

std::string TField::AsString() const {
    const TFieldValue& value = Value();
    if (IsNullValue(value))
        return {};
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return std::get<std::string>(ConvertTo(TFieldType::Memo, 0, def_.Name, value));
}

std::int32_t TField::AsInteger() const {
    const TFieldValue& value = Value();
    if (IsNullValue(value))
        return 0;
    return std::get<std::int32_t>(ConvertTo(TFieldType::Integer, 0, def_.Name, value));
}

bool TField::AsBoolean() const {
    const TFieldValue& value = Value();
    if (IsNullValue(value))
        return false;
    return std::get<bool>(ConvertTo(TFieldType::Boolean, 0, def_.Name, value));
}

double TField::AsFloat() const {
    const TFieldValue& value = Value();
    if (IsNullValue(value))
        return 0;
    return std::get<double>(ConvertTo(TFieldType::Float, 0, def_.Name, value));
}

void TField::SetAsString(std::string_view value) {
    SetValue(std::string(value));
}
void TField::SetAsInteger(std::int32_t value) {
    SetValue(value);
}
void TField::SetAsBoolean(bool value) {
    SetValue(value);
}
void TField::SetAsFloat(double value) {
    SetValue(value);
}
void TField::Clear() {
    SetValue(TFieldValue());
}
void TField::Assign(const TField& other) {
    SetValue(other.Value());
}

void TField::SetValue(const TFieldValue& value) {
    if (ReadOnly())
        FailField(def_.Name, "cannot be modified");
    dataSet_->SetCurrentValue(index_, ConvertTo(def_.DataType, def_.Size, def_.Name, value));
}

// ---- TClientDataSet ----

TClientDataSet::TClientDataSet() = default;

TClientDataSet::TClientDataSet(std::vector<TFieldDef> fixedFields)
    : fixedFields_(std::move(fixedFields)) {
    SetFields(fixedFields_);
}

TClientDataSet::~TClientDataSet() = default;

std::vector<TFieldDef> TClientDataSet::FieldDefs() const {
    std::vector<TFieldDef> defs;
    defs.reserve(fields_.size());
    for (const auto& field : fields_)
        defs.push_back(field->def_);
    return defs;
}

TField* TClientDataSet::FindField(std::string_view name) {
    for (const auto& field : fields_)
        if (SameFieldName(field->FieldName(), name))
            return field.get();
    return nullptr;
}

TField& TClientDataSet::FieldByName(std::string_view name) {
    if (TField* field = FindField(name))
        return *field;
    FailField(std::string(name), "not found");
}

void TClientDataSet::SetFields(std::vector<TFieldDef> defs) {
    std::vector<std::unique_ptr<TField>> fields;
    for (std::size_t i = 0; i < defs.size(); ++i) {
        std::unique_ptr<TField> field;
        for (auto& old : fields_)
            if (old && SameFieldName(old->FieldName(), defs[i].Name) &&
                old->DataType() == defs[i].DataType)
                field = std::move(old);
        if (field) {
            field->def_ = std::move(defs[i]);
            field->index_ = static_cast<int>(i);
        } else {
            field.reset(new TField(*this, std::move(defs[i]), static_cast<int>(i)));
        }
        fields.push_back(std::move(field));
    }
    fields_ = std::move(fields);
    autoIncField_ = -1;
    for (const auto& field : fields_)
        if (field->DataType() == TFieldType::AutoInc) {
            autoIncField_ = field->Index();
            break;
        }
}

void TClientDataSet::CheckFixedFields(const std::vector<TFieldDef>& defs,
                                      const std::string& sourceName) const {
    for (const TFieldDef& fixed : fixedFields_) {
        auto found = std::find_if(defs.begin(), defs.end(), [&](const TFieldDef& def) {
            return SameFieldName(def.Name, fixed.Name);
        });
        if (found == defs.end())
            throw std::runtime_error(sourceName + ": field \"" + fixed.Name + "\" not found");
        if (found->DataType != fixed.DataType)
            throw std::runtime_error(sourceName + ": field \"" + fixed.Name + "\" is of type " +
                                     TypeText(found->DataType) + ", expected " +
                                     TypeText(fixed.DataType));
    }
}

void TClientDataSet::CreateDataSet(std::vector<TFieldDef> fields) {
    if (fields.empty())
        fields = fixedFields_;
    if (fields.empty())
        throw std::runtime_error("a table needs at least one field");
    CheckFixedFields(fields, "new table");
    Open(std::move(fields), {}, std::nullopt);
}

void TClientDataSet::LoadFromFile(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        Close();
        throw std::runtime_error(path + ": the file cannot be read");
    }
    LoadFromBytes(*bytes, path);
}

void TClientDataSet::LoadFromBytes(std::string_view bytes, const std::string& sourceName) {
    try {
        TDataPacket packet = ParseDataPacket(bytes);
        CheckFixedFields(packet.Fields, sourceName);
        std::vector<TRowValues> rows = FoldChangeLog(packet);
        Open(std::move(packet.Fields), std::move(rows), packet.AutoIncValue);
    } catch (const TDataPacketError& e) {
        Close();
        throw std::runtime_error(sourceName + ": not a readable table file: " + e.what());
    } catch (const std::exception& e) {
        Close();
        std::string message = e.what();
        throw std::runtime_error(message.rfind(sourceName, 0) == 0 ? message
                                                                   : sourceName + ": " + message);
    }
}

void TClientDataSet::Open(std::vector<TFieldDef> fields, std::vector<TRowValues> rows,
                          std::optional<std::int32_t> autoIncValue) {
    Reset();
    SetFields(std::move(fields));
    // A counter below an ID in the file (a damaged file) would give that ID twice; IDs start
    // at 1, since 0 stands for "no row" where IDs are passed around.
    std::int64_t counter = std::max<std::int64_t>(autoIncValue.value_or(1), 1);
    rows_.reserve(rows.size());
    for (TRowValues& values : rows) {
        values.resize(fields_.size());
        if (autoIncField_ >= 0)
            if (const auto* id = std::get_if<std::int32_t>(&values[autoIncField_]))
                counter = std::max<std::int64_t>(counter, std::int64_t{*id} + 1);
        auto row = std::make_unique<TRow>();
        row->Sequence = nextSequence_++;
        row->Values = std::move(values);
        rows_.push_back(std::move(row));
    }
    autoIncValue_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(counter, std::numeric_limits<std::int32_t>::max()));
    try {
        indexFields_ = ResolveIndex(indexFieldNames_);
        if (filtered_ && !filterText_.empty())
            filter_.emplace(filterText_, FieldDefs());
    } catch (...) {
        Reset();
        throw;
    }
    state_ = TDataSetState::Browse;
    RebuildView();
    SetPosition(0);
    bof_ = true;
    Notify(TDataSetEvent::Layout);
}

void TClientDataSet::Reset() {
    state_ = TDataSetState::Inactive;
    rows_.clear();
    view_.clear();
    deletedOriginals_.clear();
    buffer_.clear();
    filter_.reset();
    autoIncValue_ = 1;
    position_ = 0;
    eof_ = bof_ = true;
    if (!fixedFields_.empty())
        SetFields(fixedFields_);
}

void TClientDataSet::Close() {
    Reset();
    Notify(TDataSetEvent::Layout);
}

std::string TClientDataSet::SaveToBytes() {
    CheckActive();
    CheckBrowse();
    // Each logged change is written as the rows it concerns with their RowState; the log
    // numbers them from 1 in the order they are written.
    std::vector<std::pair<const TRowValues*, int>> records;
    std::vector<int> log;
    records.reserve(rows_.size());
    for (const auto& row : rows_) {
        switch (row->Origin) {
        case TRow::TOrigin::Base:
            records.emplace_back(&row->Values, 0);
            break;
        case TRow::TOrigin::Modified: {
            records.emplace_back(&row->Original, RowStateOriginal);
            int original = static_cast<int>(records.size());
            records.emplace_back(&row->Values, RowStateModified);
            log.insert(log.end(), {original + 1, original, RowStateModified});
            break;
        }
        case TRow::TOrigin::Inserted:
            records.emplace_back(&row->Values, RowStateInserted);
            log.insert(log.end(), {static_cast<int>(records.size()), 0, RowStateInserted});
            break;
        }
    }
    for (const TRowValues& values : deletedOriginals_) {
        records.emplace_back(&values, RowStateDeleted);
        log.insert(log.end(), {static_cast<int>(records.size()), 0, RowStateDeleted});
    }
    const std::vector<TFieldDef> defs = FieldDefs();
    TDataPacketWriter writer(defs, autoIncField_ >= 0 ? std::optional(autoIncValue_) : std::nullopt,
                             log);
    for (const auto& [values, state] : records)
        writer.WriteRow(*values, log.empty() ? 0 : state);
    return writer.Finish();
}

void TClientDataSet::SaveToFile(const std::string& path) {
    if (!Active())
        throw std::runtime_error(path + ": the table is not open");
    WriteFileAtomic(path, SaveToBytes());
}

int TClientDataSet::ChangeCount() const {
    int count = static_cast<int>(deletedOriginals_.size());
    for (const auto& row : rows_)
        count += row->Origin != TRow::TOrigin::Base;
    return count;
}

void TClientDataSet::MergeChangeLog() {
    CheckBrowse();
    for (const auto& row : rows_) {
        row->Origin = TRow::TOrigin::Base;
        row->Original.clear();
    }
    deletedOriginals_.clear();
}

std::vector<int> TClientDataSet::ResolveIndex(std::string_view names) const {
    std::vector<int> indices;
    while (!names.empty()) {
        std::size_t end = names.find(';');
        std::string_view name = names.substr(0, end);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ')
            name.remove_suffix(1);
        if (!name.empty()) {
            auto found = std::find_if(fields_.begin(), fields_.end(), [&](const auto& field) {
                return SameFieldName(field->FieldName(), name);
            });
            if (found == fields_.end())
                FailField(std::string(name), "not found for the index");
            indices.push_back((*found)->Index());
        }
        names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
    }
    return indices;
}

void TClientDataSet::SetIndexFieldNames(std::string_view names) {
    if (Active()) {
        CheckBrowse();
        indexFields_ = ResolveIndex(names);
    }
    indexFieldNames_ = names;
    if (Active()) {
        TRow* current = view_.empty() ? nullptr : view_[position_];
        RebuildView();
        auto found = std::find(view_.begin(), view_.end(), current);
        SetPosition(found == view_.end() ? 0 : static_cast<std::size_t>(found - view_.begin()));
        Notify(TDataSetEvent::Layout);
    }
}

void TClientDataSet::SetFilter(std::string_view predicate) {
    if (Active() && filtered_) {
        CheckBrowse();
        if (predicate.empty())
            filter_.reset();
        else
            filter_ = TTableFilter(predicate, FieldDefs()); // parsed before the old one goes
    }
    filterText_ = predicate;
    if (Active() && filtered_) {
        RebuildView();
        SetPosition(0);
        bof_ = true;
        Notify(TDataSetEvent::Layout);
    }
}

void TClientDataSet::SetFiltered(bool on) {
    if (Active()) {
        CheckBrowse();
        if (on && !filterText_.empty())
            filter_.emplace(filterText_, FieldDefs());
        else
            filter_.reset();
    }
    filtered_ = on;
    if (Active()) {
        RebuildView();
        SetPosition(0);
        bof_ = true;
        Notify(TDataSetEvent::Layout);
    }
}

bool TClientDataSet::Passes(const TRow& row) const {
    return !filtered_ || !filter_ || filter_->Matches(row.Values);
}

bool TClientDataSet::Before(const TRow& a, const TRow& b) const {
    for (int field : indexFields_) {
        int c = CompareFieldValues(a.Values[field], b.Values[field]);
        if (c != 0)
            return c < 0;
    }
    return a.Sequence < b.Sequence;
}

void TClientDataSet::RebuildView() {
    view_.clear();
    view_.reserve(rows_.size());
    for (const auto& row : rows_)
        if (Passes(*row))
            view_.push_back(row.get());
    if (!indexFields_.empty())
        std::sort(view_.begin(), view_.end(),
                  [this](const TRow* a, const TRow* b) { return Before(*a, *b); });
}

void TClientDataSet::PlaceInView(TRow* row) {
    bool edited = position_ < view_.size() && view_[position_] == row;
    bool passes = Passes(*row);
    if (edited && passes) {
        std::size_t p = position_;
        if ((p == 0 || Before(*view_[p - 1], *row)) &&
            (p + 1 == view_.size() || Before(*row, *view_[p + 1])))
            return SetPosition(p); // still in place: the common case of a walk that edits
    }
    std::size_t old = position_;
    if (edited)
        view_.erase(view_.begin() + static_cast<std::ptrdiff_t>(position_));
    if (!passes) // the row left the view; the next one becomes current
        return SetPosition(std::min(old, view_.empty() ? 0 : view_.size() - 1));
    auto at = std::lower_bound(view_.begin(), view_.end(), row,
                               [this](const TRow* a, const TRow* b) { return Before(*a, *b); });
    at = view_.insert(at, row);
    SetPosition(static_cast<std::size_t>(at - view_.begin()));
}

void TClientDataSet::SetPosition(std::size_t position) {
    position_ = view_.empty() ? 0 : std::min(position, view_.size() - 1);
    eof_ = bof_ = view_.empty();
}

void TClientDataSet::CheckActive() const {
    if (!Active())
        throw std::runtime_error("the table is not open");
}

void TClientDataSet::CheckBrowse() {
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert)
        Post();
}

void TClientDataSet::First() {
    CheckBrowse();
    SetPosition(0);
    bof_ = true;
    Notify(TDataSetEvent::Scroll);
}

void TClientDataSet::Last() {
    CheckBrowse();
    SetPosition(view_.empty() ? 0 : view_.size() - 1);
    eof_ = true;
    Notify(TDataSetEvent::Scroll);
}

void TClientDataSet::Next() {
    CheckBrowse();
    if (position_ + 1 < view_.size()) {
        ++position_;
        eof_ = bof_ = false;
        Notify(TDataSetEvent::Scroll);
    } else {
        eof_ = true;
    }
}

void TClientDataSet::Prior() {
    CheckBrowse();
    if (position_ > 0 && !view_.empty()) {
        --position_;
        eof_ = bof_ = false;
        Notify(TDataSetEvent::Scroll);
    } else {
        bof_ = true;
    }
}

int TClientDataSet::RecNo() const {
    return Active() && !view_.empty() && state_ != TDataSetState::Insert
               ? static_cast<int>(position_) + 1
               : 0;
}

void TClientDataSet::SetRecNo(int recNo) {
    CheckBrowse();
    SetPosition(recNo > 0 ? static_cast<std::size_t>(recNo - 1) : 0);
    Notify(TDataSetEvent::Scroll);
}

bool TClientDataSet::Locate(std::string_view fieldName, const TFieldValue& value) {
    CheckBrowse();
    const TField& field = FieldByName(fieldName);
    const TFieldDef& def = field.Def();
    TFieldValue wanted = ConvertTo(def.DataType, def.Size, def.Name, value);
    for (std::size_t i = 0; i < view_.size(); ++i) {
        const TFieldValue& have = view_[i]->Values[field.Index()];
        if (have.index() == wanted.index() && CompareFieldValues(have, wanted) == 0) {
            SetPosition(i);
            Notify(TDataSetEvent::Scroll);
            return true;
        }
    }
    return false;
}

const TFieldValue& TClientDataSet::ViewValue(int row, int field) const {
    return view_.at(static_cast<std::size_t>(row))->Values.at(static_cast<std::size_t>(field));
}

const TFieldValue& TClientDataSet::CurrentValue(int field) const {
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert)
        return buffer_[field];
    if (state_ == TDataSetState::Browse && !view_.empty())
        return view_[position_]->Values[field];
    return NullValue;
}

void TClientDataSet::SetCurrentValue(int field, TFieldValue value) {
    if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert)
        FailField(fields_[field]->FieldName(), "the table is not in edit mode");
    buffer_[field] = std::move(value);
    Notify(TDataSetEvent::DataChange);
}

void TClientDataSet::Append() {
    CheckActive();
    CheckBrowse();
    buffer_.assign(fields_.size(), TFieldValue());
    state_ = TDataSetState::Insert;
    eof_ = bof_ = false;
    Notify(TDataSetEvent::StateChange);
}

void TClientDataSet::Edit() {
    CheckActive();
    if (state_ != TDataSetState::Browse)
        return;
    if (view_.empty())
        return Append();
    buffer_ = view_[position_]->Values;
    state_ = TDataSetState::Edit;
    Notify(TDataSetEvent::StateChange);
}

void TClientDataSet::Post() {
    if (state_ == TDataSetState::Insert) {
        if (autoIncField_ >= 0) {
            if (autoIncValue_ == std::numeric_limits<std::int32_t>::max())
                throw std::runtime_error("the table has given every ID it can");
            buffer_[autoIncField_] = autoIncValue_++;
        }
        auto row = std::make_unique<TRow>();
        row->Sequence = nextSequence_++;
        row->Values = std::move(buffer_);
        row->Origin = logChanges_ ? TRow::TOrigin::Inserted : TRow::TOrigin::Base;
        TRow* added = row.get();
        rows_.push_back(std::move(row));
        state_ = TDataSetState::Browse;
        position_ = view_.size(); // not in the view yet
        PlaceInView(added);
    } else if (state_ == TDataSetState::Edit) {
        TRow* row = view_[position_];
        if (logChanges_ && row->Origin == TRow::TOrigin::Base) {
            row->Origin = TRow::TOrigin::Modified;
            row->Original = row->Values;
        }
        row->Values = std::move(buffer_);
        state_ = TDataSetState::Browse;
        PlaceInView(row);
    } else {
        return;
    }
    buffer_.clear();
    Notify(TDataSetEvent::DataChange);
}

void TClientDataSet::Cancel() {
    if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) {
        state_ = TDataSetState::Browse;
        buffer_.clear();
        SetPosition(position_);
        Notify(TDataSetEvent::StateChange);
    }
}

void TClientDataSet::Delete() {
    CheckActive();
    if (state_ == TDataSetState::Insert)
        return Cancel();
    Cancel();
    if (view_.empty())
        throw std::runtime_error("cannot delete from an empty table");
    TRow* row = view_[position_];
    if (logChanges_ && row->Origin == TRow::TOrigin::Base)
        deletedOriginals_.push_back(row->Values);
    else if (logChanges_ && row->Origin == TRow::TOrigin::Modified)
        deletedOriginals_.push_back(row->Original);
    auto stored = std::lower_bound(rows_.begin(), rows_.end(), row->Sequence,
                                   [](const std::unique_ptr<TRow>& r, std::uint64_t sequence) {
                                       return r->Sequence < sequence;
                                   });
    view_.erase(view_.begin() + static_cast<std::ptrdiff_t>(position_));
    rows_.erase(stored);
    bool wasLast = position_ >= view_.size();
    SetPosition(position_);
    eof_ = eof_ || wasLast;
    Notify(TDataSetEvent::DataChange);
}

int TClientDataSet::AddDataChangeHandler(TDataChangeHandler handler) {
    handlers_.emplace_back(nextHandlerId_, std::move(handler));
    return nextHandlerId_++;
}

void TClientDataSet::RemoveDataChangeHandler(int id) {
    std::erase_if(handlers_, [id](const auto& entry) { return entry.first == id; });
}

void TClientDataSet::EnableControls() {
    if (controlsDisabled_ > 0 && --controlsDisabled_ == 0 && changedWhileDisabled_) {
        changedWhileDisabled_ = false;
        Notify(TDataSetEvent::Layout);
    }
}

void TClientDataSet::Notify(TDataSetEvent event) {
    if (controlsDisabled_ > 0) {
        changedWhileDisabled_ = true;
        return;
    }
    // A handler may add or remove handlers; one removed meanwhile may belong to an object that
    // is gone, so it is not called any more.
    const auto handlers = handlers_;
    for (const auto& [id, handler] : handlers)
        if (std::ranges::any_of(handlers_, [id](const auto& entry) { return entry.first == id; }))
            handler(event);
}
