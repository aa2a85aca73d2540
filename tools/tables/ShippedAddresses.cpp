#include "ShippedTables.h"

#include "memo/MemoTables.h"

#include "storage/ClientDataSet.h"

namespace {

// Version 3 kept one row per person with up to ten characters, five nicknames and five
// contacts.
std::vector<TFieldDef> Version3AddressFields() {
    std::vector<TFieldDef> fields = {AutoIncFieldDef("ID")};
    for (int n = 1; n <= 10; ++n) {
        fields.push_back(StringFieldDef("Name" + std::to_string(n), 50));
        fields.push_back(StringFieldDef("Guild" + std::to_string(n), 50));
        fields.push_back(StringFieldDef("ServerName" + std::to_string(n), 50));
    }
    for (int n = 1; n <= 5; ++n)
        fields.push_back(StringFieldDef("NickName" + std::to_string(n), 50));
    for (int n = 1; n <= 5; ++n) {
        fields.push_back(StringFieldDef("PhoneNumberKind" + std::to_string(n), 20));
        fields.push_back(StringFieldDef("PhoneNumber" + std::to_string(n), 50));
        fields.push_back(StringFieldDef("PhoneName" + std::to_string(n), 50));
    }
    fields.push_back(MemoFieldDef("FreeMemo", 5120));
    fields.push_back(BooleanFieldDef("FilterCheck"));
    return fields;
}

void WriteEmpty(std::vector<TFieldDef> fields, const std::string& file) {
    TClientDataSet table;
    table.CreateDataSet(std::move(fields));
    table.SaveToFile(file);
}

} // namespace

// Friends are the user's own: both defaults hold the fields and no rows.
void WriteAddressTables(const std::string& folder) {
    WriteEmpty(AddressTableFields(), folder + "DefaultDB/YorraPDAAddres4.xml");
    WriteEmpty(Version3AddressFields(), folder + "OldDefaultDB/YorraPDAAddres3.xml");
}
