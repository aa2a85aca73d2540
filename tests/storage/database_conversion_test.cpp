#include "memo/MemoTables.h"
#include "storage/AtomicFile.h"
#include "storage/ClientDataSet.h"
#include "storage/DataBaseConversion.h"

#include "schedule/ScheduleTable.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

struct NoUserFolders : IUserFolders {
    std::string DesktopFolder() const override { return {}; }
    std::string DocumentsFolder() const override { return {}; }
};

using TRowSpec = std::map<std::string, TFieldValue>;

// Writes a table file with the fields and rows given (rows name their values by field).
void WriteTable(const std::string& path, const std::vector<TFieldDef>& fields,
                const std::vector<TRowSpec>& rows) {
    TClientDataSet table;
    table.CreateDataSet(fields);
    for (const TRowSpec& row : rows) {
        table.Append();
        for (const auto& [name, value] : row)
            table.FieldByName(name).SetValue(value);
        table.Post();
    }
    table.MergeChangeLog();
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    table.SaveToFile(path);
}

// The rows of a table file, each as the text of the named fields joined by "|" ("-" for null).
std::vector<std::string> ReadRows(const std::string& path, const std::vector<std::string>& names) {
    TClientDataSet table;
    table.LoadFromFile(path);
    std::vector<std::string> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        std::string row;
        for (const std::string& name : names) {
            const TField& field = table.FieldByName(name);
            row += (row.empty() ? "" : "|") + (field.IsNull() ? "-" : field.AsString());
        }
        rows.push_back(row);
    }
    return rows;
}

class DataBaseConversion : public ::testing::Test {
  protected:
    std::string Path(const std::string& relative) const { return folder.Path() + relative; }

    TempFolder folder;
    NoUserFolders special;
    TYorraClockPathAndFile paths{folder.Path(), special};
};

const std::vector<TFieldDef> OldScheduleFields = {AutoIncFieldDef("ID"),
                                                  IntegerFieldDef("Hour"),
                                                  {"StartHour", TFieldType::Float},
                                                  {"EndHour", TFieldType::Float},
                                                  StringFieldDef("Area", 20),
                                                  StringFieldDef("Place", 50),
                                                  IntegerFieldDef("AllMinMin1"),
                                                  BooleanFieldDef("CheckVisible")};

const std::vector<TFieldDef> MemoFields = MemoTableFields();

const std::vector<TFieldDef> FriendsFields = AddressTableFields();

} // namespace

TEST_F(DataBaseConversion, WithoutAnOlderFileTheCurrentFileIsAByteCopyOfTheDefault) {
    WriteTable(Path("DefaultDB/YorraPDA13.xml"), ScheduleTableFields(), {{{"Hour", 6}}});
    TDataBaseConversion(paths).ConvertScheduleTable();
    EXPECT_EQ(folder.Read("YorraPDA13.xml"), folder.Read("DefaultDB/YorraPDA13.xml"));
}

TEST_F(DataBaseConversion, AnExistingCurrentFileIsNeverTouched) {
    WriteTable(Path("DefaultDB/YorraPDA13.xml"), ScheduleTableFields(), {{{"Hour", 6}}});
    WriteTable(Path("YorraPDA12.xml"), OldScheduleFields, {{{"Hour", 7}}});
    folder.Write("YorraPDA13.xml", "not even a table");
    TDataBaseConversion(paths).ConvertScheduleTable();
    EXPECT_EQ(folder.Read("YorraPDA13.xml"), "not even a table");
}

TEST_F(DataBaseConversion, ScheduleDropsShippedRowsAndCarriesTheRestIntoTheNewFields) {
    WriteTable(Path("DefaultDB/YorraPDA13.xml"), ScheduleTableFields(),
               {{{"Hour", 1}, {"Minutes", 0}, {"CheckVisible", true}, {"SystemCheck", true}}});
    const TRowSpec shipped = {{"Hour", 6},
                              {"Area", std::string("x")},
                              {"Place", std::string("p")},
                              {"CheckVisible", true}};
    const TRowSpec other = {{"Hour", 9}, {"Area", std::string("y")}, {"CheckVisible", true}};
    WriteTable(Path("OldDefaultDB/YorraPDA11.xml"), OldScheduleFields, {shipped, other});
    TRowSpec hidden = shipped;
    hidden["CheckVisible"] = false; // only a skipped field differs: still a shipped row
    hidden["AllMinMin1"] = 5;
    TRowSpec moved = shipped;
    moved["Place"] = std::string("q");
    WriteTable(Path("YorraPDA11.xml"), OldScheduleFields,
               {hidden,
                other,
                other,
                moved,
                {{"Hour", 12}, {"StartHour", 1.5}, {"EndHour", 2.0}},
                {{"Hour", 13}, {"StartHour", 2.0}, {"CheckVisible", true}}});
    WriteTable(Path("YorraPDA.xml"), OldScheduleFields, {{{"Hour", 20}}}); // older: not used
    const std::string oldBytes = folder.Read("YorraPDA11.xml");

    TDataBaseConversion(paths).ConvertScheduleTable();

    EXPECT_EQ(ReadRows(Path("YorraPDA13.xml"),
                       {"ID", "Hour", "Minutes", "StartHour2", "StartMinutes", "EndHour2",
                        "EndMinutes", "Area", "Place", "CheckVisible", "SystemCheck"}),
              (std::vector<std::string>{
                  "1|1|0|-|-|-|-|-|-|True|True",
                  "2|9|0|-|-|-|-|y|-|True|False",    // the second copy of a shipped row
                  "3|6|0|-|-|-|-|x|q|True|False",    // a changed shipped row
                  "4|12|0|1|30|2|-|-|-|False|False", // real hours into hours and minutes
                  "5|13|0|2|-|-|-|-|-|True|False"}));
    EXPECT_EQ(folder.Read("YorraPDA11.xml"), oldBytes);
    TClientDataSet check(ScheduleTableFields()); // the result has all 21 fields
    EXPECT_NO_THROW(check.LoadFromFile(Path("YorraPDA13.xml")));
}

TEST_F(DataBaseConversion, MemoShiftsRanoLabelsWhenAFileOfVersion11IsPresentAndFixesNulls) {
    WriteTable(Path("DefaultDB/YorraPDAMemo17.xml"), MemoFields,
               {{{"MemoTitle", std::string("shipped")}, {"MemoGroup", std::string("NPC")}},
                {{"MemoTitle", std::string("shipped 2")}, {"MemoGroup", std::string("")}}});
    WriteTable(Path("OldDefaultDB/YorraPDAMemo16.xml"), MemoFields,
               {{{"MemoTitle", std::string("old shipped")}, {"URLIEOpen", true}}});
    WriteTable(Path("YorraPDAMemo16.xml"), MemoFields,
               {{{"MemoTitle", std::string("lano")},
                 {"MapAreaName", std::string("ラノ地域")},
                 {"MapX", 100},
                 {"MapY", 7}},
                {{"MemoTitle", std::string("old shipped")}, {"URLIEOpen", false}},
                {{"MemoTitle", std::string("elsewhere")},
                 {"MapAreaName", std::string("ラノ")},
                 {"MapX", 100},
                 {"MapPointX", 5},
                 {"MemoGroup", std::string("mine")}}});
    WriteTable(Path("YorraPDAMemo11.xml"), MemoFields, {});

    TDataBaseConversion(paths).ConvertMemoTable();

    EXPECT_EQ(ReadRows(Path("YorraPDAMemo17.xml"),
                       {"ID", "MemoTitle", "MemoGroup", "MapX", "MapY", "MapPointX", "URLIEOpen",
                        "MapAlwaysDisplays", "SystemCheck", "FontSize"}),
              (std::vector<std::string>{"1|shipped|NPC|-|-|-|False|False|False|8",
                                        "2|shipped 2|未分類|-|-|-|False|False|False|8",
                                        "3|lano|未分類|486|7|-|False|False|False|8",
                                        "4|elsewhere|mine|100|-|5|False|False|False|8"}));
}

TEST_F(DataBaseConversion, MemoKeepsPositionsWithoutAFileOfVersions2To11) {
    WriteTable(Path("DefaultDB/YorraPDAMemo17.xml"), MemoFields, {});
    WriteTable(Path("OldDefaultDB/YorraPDAMemo.xml"), MemoFields, {});
    WriteTable(Path("YorraPDAMemo.xml"), MemoFields,
               {{{"MapAreaName", std::string("ラノ地域")}, {"MapX", 100}, {"MapPointX", 3}}});
    TDataBaseConversion(paths).ConvertMemoTable();
    EXPECT_EQ(ReadRows(Path("YorraPDAMemo17.xml"), {"MapX", "MapPointX"}),
              (std::vector<std::string>{"100|3"}));
}

TEST_F(DataBaseConversion, FriendsExpandOnePersonIntoOneRowPerCharacter) {
    std::vector<TFieldDef> oldFields = {AutoIncFieldDef("ID")};
    for (int n = 1; n <= 3; ++n)
        for (const char* stem : {"Name", "Guild", "ServerName"})
            oldFields.push_back(StringFieldDef(stem + std::to_string(n), 50));
    for (const char* name : {"NickName1", "NickName2", "PhoneNumberKind1", "PhoneNumber1",
                             "PhoneName1", "PhoneNumberKind2", "PhoneNumber2", "PhoneName2"})
        oldFields.push_back(StringFieldDef(name, 50));
    oldFields.push_back(MemoFieldDef("FreeMemo", 5120));
    oldFields.push_back(BooleanFieldDef("FilterCheck"));

    WriteTable(Path("DefaultDB/YorraPDAAddres4.xml"), FriendsFields,
               {{{"Name", std::string("shipped")}, {"MainName", std::string("shipped")}}});
    const TRowSpec shipped = {{"Name1", std::string("dev")}, {"FilterCheck", false}};
    WriteTable(Path("OldDefaultDB/YorraPDAAddres3.xml"), oldFields, {shipped});
    TRowSpec shippedAsUsed = shipped;
    shippedAsUsed["FilterCheck"] = true;
    WriteTable(Path("YorraPDAAddres3.xml"), oldFields,
               {shippedAsUsed,
                {{"Name1", std::string("A")},
                 {"Name2", std::string("")},
                 {"Name3", std::string("C")},
                 {"NickName1", std::string("x")},
                 {"FreeMemo", std::string("m")}},
                {{"Name1", std::string("")},
                 {"Guild2", std::string("g")},
                 {"PhoneNumberKind2", std::string("mail")},
                 {"PhoneName2", std::string("n")}}});

    TDataBaseConversion(paths).ConvertAddressTable();

    EXPECT_EQ(ReadRows(Path("YorraPDAAddres4.xml"), {"ID", "Name", "MainName", "Guild",
                                                     "ServerName", "FreeMemo", "FilterCheck"}),
              (std::vector<std::string>{
                  "1|shipped|shipped|-|-|-|-", "2|A|A|||m\r\n\r\nあだ名1:x\r\n|-",
                  "3|C|A|||m\r\n\r\nあだ名1:x\r\n|-", "4|||g||連絡先2:mail /  / n\r\n|-"}));
}

TEST_F(DataBaseConversion, MissingDefaultsSkipOnlyTheirTableAndLeaveNoCurrentFile) {
    // Memo: no shipped default. Schedule: an older file without its shipped default.
    WriteTable(Path("YorraPDAMemo16.xml"), MemoFields, {{{"MemoTitle", std::string("mine")}}});
    WriteTable(Path("OldDefaultDB/YorraPDAMemo16.xml"), MemoFields, {});
    WriteTable(Path("DefaultDB/YorraPDA13.xml"), ScheduleTableFields(), {});
    WriteTable(Path("YorraPDA12.xml"), OldScheduleFields, {{{"Hour", 7}}});
    WriteTable(Path("DefaultDB/YorraPDAAddres4.xml"), FriendsFields, {});
    const std::vector<TFieldDef> oldFriends = {AutoIncFieldDef("ID"), StringFieldDef("Name1", 50)};
    WriteTable(Path("OldDefaultDB/YorraPDAAddres.xml"), oldFriends, {});
    WriteTable(Path("YorraPDAAddres.xml"), oldFriends, {{{"Name1", std::string("A")}}});
    const std::string oldMemo = folder.Read("YorraPDAMemo16.xml");
    const std::string oldSchedule = folder.Read("YorraPDA12.xml");

    TDataBaseConversion conversion(paths);
    conversion.ConvertMemoTable();
    conversion.ConvertScheduleTable();
    conversion.ConvertAddressTable();

    EXPECT_FALSE(FileExists(Path("YorraPDAMemo17.xml")));
    EXPECT_FALSE(FileExists(Path("YorraPDA13.xml")));
    EXPECT_EQ(folder.Read("YorraPDAMemo16.xml"), oldMemo);
    EXPECT_EQ(folder.Read("YorraPDA12.xml"), oldSchedule);
    EXPECT_EQ(ReadRows(Path("YorraPDAAddres4.xml"), {"Name", "MainName"}),
              (std::vector<std::string>{"A|A"}));
}

TEST_F(DataBaseConversion, AnUnreadableOlderFileIsAnErrorAndWritesNothing) {
    WriteTable(Path("DefaultDB/YorraPDA13.xml"), ScheduleTableFields(), {});
    WriteTable(Path("OldDefaultDB/YorraPDA9.xml"), OldScheduleFields, {});
    folder.Write("YorraPDA9.xml", "<DATAPACKET Version=\"2.0\"><METADATA>");
    try {
        TDataBaseConversion(paths).ConvertScheduleTable();
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("YorraPDA9.xml"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(FileExists(Path("YorraPDA13.xml")));
}
