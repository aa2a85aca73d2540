#include "storage/DataBaseConversion.h"

#include "storage/AtomicFile.h"

#include <algorithm>
#include <cmath>

namespace {

bool InList(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameFieldName(n, name); });
}

std::string TextOf(TClientDataSet& table, const std::string& name) {
    const TField* field = table.FindField(name);
    return field ? field->AsString() : std::string();
}

void SetIfNull(TClientDataSet& table, const char* name, const TFieldValue& value) {
    TField* field = table.FindField(name);
    if (field && field->IsNull()) {
        table.Edit();
        field->SetValue(value);
        table.Post();
    }
}

// A real number of hours of an older schedule into an hour field and a half-hour minute field.
void SplitHours(const TField& hours, TField* hourField, TField* minutesField) {
    if (!hourField || !minutesField)
        return;
    if (hours.AsString().empty()) {
        hourField->Clear();
        minutesField->Clear();
        return;
    }
    double value = hours.AsFloat();
    double whole = std::trunc(value);
    hourField->SetAsFloat(whole);
    if (value != whole)
        minutesField->SetAsInteger(30);
}

} // namespace

TDataBaseConversion::TDataBaseConversion(const TYorraClockPathAndFile& paths) : paths_(paths) {}

bool TDataBaseConversion::Prepare(const std::string& currentFile, const std::string& defaultFile,
                                  const std::string& oldFile, const std::string& oldDefaultFile,
                                  const std::vector<std::string>& skipFields) {
    if (FileExists(currentFile) || !FileExists(defaultFile))
        return false;
    if (oldFile.empty()) {
        // Nothing to carry over: the current file is the shipped default as it is. A failed copy
        // goes unreported here; the table's window reports the missing file when it loads it.
        std::optional<std::string> bytes = ReadFileBytes(defaultFile);
        try {
            if (bytes)
                WriteFileAtomic(currentFile, *bytes);
        } catch (const std::runtime_error&) {
        }
        return false;
    }
    if (!FileExists(oldDefaultFile))
        return false;
    Old.LoadFromFile(oldFile);
    New.LoadFromFile(defaultFile);
    OldDefault.LoadFromFile(oldDefaultFile);
    DropUnchangedDefaultRows(skipFields);
    return true;
}

// Each shipped row absorbs at most one row of the earlier file, so the user's extra copies of
// a shipped row are kept.
void TDataBaseConversion::DropUnchangedDefaultRows(const std::vector<std::string>& skipFields) {
    Old.First();
    while (!Old.Eof()) {
        bool matched = false;
        for (OldDefault.First(); !OldDefault.Eof(); OldDefault.Next()) {
            if (RowsMatch(skipFields)) {
                OldDefault.Delete();
                Old.Delete();
                matched = true;
                break;
            }
        }
        if (!matched)
            Old.Next();
    }
}

// Fields are paired by position, not by name; two nulls are equal, a null and a value are not.
bool TDataBaseConversion::RowsMatch(const std::vector<std::string>& skipFields) {
    for (int i = 0; i < Old.FieldCount(); ++i) {
        const TField& mine = Old.Fields(i);
        if (InList(skipFields, mine.FieldName()))
            continue;
        if (i >= OldDefault.FieldCount())
            return false;
        const TField& shipped = OldDefault.Fields(i);
        if (mine.IsNull() || shipped.IsNull()) {
            if (mine.IsNull() != shipped.IsNull())
                return false;
            continue;
        }
        bool equal = mine.Value().index() == shipped.Value().index()
                         ? CompareFieldValues(mine.Value(), shipped.Value()) == 0
                         : mine.AsString() == shipped.AsString();
        if (!equal)
            return false;
    }
    return true;
}

void TDataBaseConversion::Save(const std::string& currentFile) {
    New.MergeChangeLog();
    New.SaveToFile(currentFile);
    for (TClientDataSet* table : {&Old, &New, &OldDefault})
        table->Close();
}

void TDataBaseConversion::ConvertMemoTable() {
    const std::string current = paths_.GetMemoFileName();
    const std::string old = paths_.FindOldMemoFileName();
    if (!Prepare(current, paths_.GetMemoDefaultFileName(), old,
                 old.empty() ? std::string() : paths_.GetOldMemoDefaultFileName(),
                 {"ID", "FilterCheck", "URLIEOpen"}))
        return;

    // Maps of "ラノ地域" were widened after version 11; labels of those files move with it.
    TField* area = Old.FindField("MapAreaName");
    if (area && !paths_.FindPreMapChangeMemoFileName().empty()) {
        for (Old.First(); !Old.Eof(); Old.Next()) {
            if (area->AsString() != "ラノ地域")
                continue;
            Old.Edit();
            for (const char* name : {"MapX", "MapPointX"}) {
                TField* x = Old.FindField(name);
                if (x && !x->IsNull())
                    x->SetAsInteger(x->AsInteger() + 386);
            }
            Old.Post();
        }
    }
    for (Old.First(); !Old.Eof(); Old.Next()) {
        New.Append();
        for (int i = 0; i < Old.FieldCount(); ++i) {
            const TField& from = Old.Fields(i);
            TField* to = New.FindField(from.FieldName());
            if (from.DataType() != TFieldType::AutoInc && to && !to->ReadOnly())
                to->Assign(from);
        }
        New.Post();
    }
    for (New.First(); !New.Eof(); New.Next()) {
        TField* group = New.FindField("MemoGroup");
        if (group && group->AsString().empty()) {
            New.Edit();
            group->SetAsString("未分類");
            New.Post();
        }
        SetIfNull(New, "URLIEOpen", false);
        SetIfNull(New, "MapAlwaysDisplays", false);
        SetIfNull(New, "SystemCheck", false);
        SetIfNull(New, "FontSize", std::int32_t{8});
    }
    Save(current);
}

void TDataBaseConversion::ConvertScheduleTable() {
    const std::string current = paths_.GetScheduleFileName();
    const std::string old = paths_.FindOldScheduleFileName();
    if (!Prepare(current, paths_.GetScheduleDefaultFileName(), old,
                 old.empty() ? std::string() : paths_.GetOldScheduleDefaultFileName(),
                 {"ID", "CheckVisible", "AllMinMax1", "AllMinMin1", "AllMinMax2", "AllMinMin2"}))
        return;

    for (Old.First(); !Old.Eof(); Old.Next()) {
        New.Append();
        for (int i = 0; i < Old.FieldCount(); ++i) {
            const TField& from = Old.Fields(i);
            if (from.DataType() == TFieldType::AutoInc)
                continue;
            TField* to = New.FindField(from.FieldName());
            if (to && !to->ReadOnly())
                to->Assign(from);
            else if (SameFieldName(from.FieldName(), "StartHour"))
                SplitHours(from, New.FindField("StartHour2"), New.FindField("StartMinutes"));
            else if (SameFieldName(from.FieldName(), "EndHour"))
                SplitHours(from, New.FindField("EndHour2"), New.FindField("EndMinutes"));
        }
        New.Post();
    }
    for (New.First(); !New.Eof(); New.Next()) {
        SetIfNull(New, "CheckVisible", false);
        SetIfNull(New, "SystemCheck", false);
        SetIfNull(New, "Hour", std::int32_t{0});
        SetIfNull(New, "Minutes", std::int32_t{0});
    }
    Save(current);
}

void TDataBaseConversion::ConvertAddressTable() {
    const std::string current = paths_.GetAddressFileName();
    const std::string old = paths_.FindOldAddressFileName();
    if (!Prepare(current, paths_.GetAddressDefaultFileName(), old,
                 old.empty() ? std::string() : paths_.GetOldAddressDefaultFileName(),
                 {"ID", "FilterCheck"}))
        return;

    // An older row is one person with up to ten characters; each becomes a row of its own,
    // and the person's nicknames and contacts go into the notes.
    for (Old.First(); !Old.Eof(); Old.Next()) {
        std::string mainName;
        for (int n = 1; n <= 10; ++n) {
            const TField* name = Old.FindField("Name" + std::to_string(n));
            if (!name)
                break;
            if (!name->AsString().empty()) {
                mainName = name->AsString();
                break;
            }
        }
        std::string memo = TextOf(Old, "FreeMemo");
        if (!memo.empty())
            memo += "\r\n\r\n";
        for (int n = 1; n <= 5; ++n) {
            const std::string number = std::to_string(n);
            const TField* nickName = Old.FindField("NickName" + number);
            if (!nickName)
                break;
            if (!nickName->AsString().empty())
                memo += "あだ名" + number + ":" + nickName->AsString() + "\r\n";
        }
        for (int n = 1; n <= 5; ++n) {
            const std::string number = std::to_string(n);
            const TField* kindField = Old.FindField("PhoneNumberKind" + number);
            if (!kindField)
                break;
            const std::string kind = kindField->AsString();
            const std::string phone = TextOf(Old, "PhoneNumber" + number);
            const std::string name = TextOf(Old, "PhoneName" + number);
            if (!kind.empty() || !phone.empty() || !name.empty())
                memo += "連絡先" + number + ":" + kind + " / " + phone + " / " + name + "\r\n";
        }
        for (int n = 1; n <= 10; ++n) {
            const std::string number = std::to_string(n);
            const TField* nameField = Old.FindField("Name" + number);
            if (!nameField)
                break;
            const std::string name = nameField->AsString();
            const std::string guild = TextOf(Old, "Guild" + number);
            const std::string server = TextOf(Old, "ServerName" + number);
            if (name.empty() && guild.empty() && server.empty())
                continue;
            New.Append();
            const std::pair<const char*, const std::string*> values[] = {{"Name", &name},
                                                                         {"MainName", &mainName},
                                                                         {"Guild", &guild},
                                                                         {"ServerName", &server},
                                                                         {"FreeMemo", &memo}};
            for (const auto& [field, value] : values)
                if (TField* to = New.FindField(field))
                    to->SetAsString(*value);
            New.Post();
        }
    }
    Save(current);
}
