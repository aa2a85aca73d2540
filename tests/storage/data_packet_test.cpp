#include "storage/AtomicFile.h"
#include "storage/ClientDataSet.h"
#include "storage/Cp932.h"
#include "storage/DataPacket.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string Declaration = "<?xml version=\"1.0\" standalone=\"yes\"?>  ";

// A table with one field of every type the program writes.
void MakeTable(TClientDataSet& table) {
    table.CreateDataSet({AutoIncFieldDef("ID"), IntegerFieldDef("Hour"), StringFieldDef("Area", 20),
                         MemoFieldDef("Memo", 5120), BooleanFieldDef("CheckVisible")});
}

void AddRow(TClientDataSet& table, std::optional<int> hour, std::optional<std::string> area,
            std::optional<std::string> memo, std::optional<bool> visible) {
    table.Append();
    if (hour)
        table.FieldByName("Hour").SetAsInteger(*hour);
    if (area)
        table.FieldByName("Area").SetAsString(*area);
    if (memo)
        table.FieldByName("Memo").SetAsString(*memo);
    if (visible)
        table.FieldByName("CheckVisible").SetAsBoolean(*visible);
    table.Post();
}

const std::string Metadata =
    "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
    "<FIELD attrname=\"ID\" fieldtype=\"i4\" readonly=\"true\" SUBTYPE=\"Autoinc\"/>"
    "<FIELD attrname=\"Hour\" fieldtype=\"i4\"/>"
    "<FIELD attrname=\"Area\" fieldtype=\"string\" WIDTH=\"20\"/>"
    "<FIELD attrname=\"Memo\" fieldtype=\"bin.hex\" SUBTYPE=\"Text\" WIDTH=\"5120\"/>"
    "<FIELD attrname=\"CheckVisible\" fieldtype=\"boolean\"/></FIELDS>";

} // namespace

TEST(TableFile, WritesTheLayoutByteForByte) {
    TClientDataSet table;
    MakeTable(table);
    AddRow(table, 6, "表\\<&>\"'\t¥", "A\r\nB", true);
    AddRow(table, -12, std::nullopt, "", false);
    table.MergeChangeLog();
    const std::string expected =
        Declaration + Metadata + "<PARAMS AUTOINCVALUE=\"3\"/></METADATA><ROWDATA>" +
        "<ROW ID=\"1\" Hour=\"6\" Area=\"\x95\x5C&#092;&lt;&amp;&gt;&quot;&apos;&#009;&#092;\" "
        "Memo=\"A&#013;&#010;B\" CheckVisible=\"TRUE\"/>"
        "<ROW ID=\"2\" Hour=\"-12\" Memo=\"\" CheckVisible=\"FALSE\"/>"
        "</ROWDATA></DATAPACKET>";
    EXPECT_EQ(table.SaveToBytes(), expected);
}

TEST(TableFile, EmptyTableKeepsItsCounterAndWritesBothRowDataTags) {
    TClientDataSet table;
    MakeTable(table);
    AddRow(table, 1, "a", std::nullopt, true);
    table.First();
    table.Delete();
    table.MergeChangeLog();
    EXPECT_EQ(table.SaveToBytes(), Declaration + Metadata +
                                       "<PARAMS AUTOINCVALUE=\"2\"/></METADATA>"
                                       "<ROWDATA></ROWDATA></DATAPACKET>");
}

TEST(TableFile, RoundTripKeepsEveryTypeAndTellsNullFromEmpty) {
    TempFolder folder;
    const std::string path = folder.Path() + "t.xml";
    TClientDataSet table;
    MakeTable(table);
    AddRow(table, 2147483647, "ｱ表~\\", "一行目\r\n二行目\t\"'&<>", true);
    AddRow(table, -2147483647 - 1, "", std::nullopt, std::nullopt);
    AddRow(table, std::nullopt, "cleared below", "", false);
    table.Edit();
    table.FieldByName("Area").Clear();
    table.Post();
    table.MergeChangeLog();
    table.SaveToFile(path);
    EXPECT_NE(ReadFileBytes(path)->find("<ROW ID=\"3\" Memo=\"\" CheckVisible=\"FALSE\"/>"),
              std::string::npos);

    TClientDataSet loaded;
    loaded.LoadFromFile(path);
    ASSERT_EQ(loaded.RecordCount(), 3);
    ASSERT_EQ(loaded.FieldCount(), 5);
    const std::vector<TFieldDef> defs = loaded.FieldDefs();
    EXPECT_EQ(defs[0].DataType, TFieldType::AutoInc);
    EXPECT_TRUE(defs[0].ReadOnly);
    EXPECT_EQ(defs[2].DataType, TFieldType::String);
    EXPECT_EQ(defs[2].Size, 20);
    EXPECT_EQ(defs[3].DataType, TFieldType::Memo);
    EXPECT_EQ(defs[4].DataType, TFieldType::Boolean);
    for (int i = 0; i < 3; ++i) {
        table.SetRecNo(i + 1);
        loaded.SetRecNo(i + 1);
        for (int f = 0; f < 5; ++f)
            EXPECT_EQ(loaded.Fields(f).Value(), table.Fields(f).Value()) << i << "," << f;
    }
    loaded.SetRecNo(2);
    EXPECT_FALSE(loaded.FieldByName("Area").IsNull());
    EXPECT_TRUE(loaded.FieldByName("Memo").IsNull());
    EXPECT_TRUE(loaded.FieldByName("CheckVisible").IsNull());
    EXPECT_EQ(loaded.FieldByName("Memo").AsString(), "");
    EXPECT_FALSE(loaded.FieldByName("CheckVisible").AsBoolean());
    EXPECT_EQ(loaded.SaveToBytes(), ReadFileBytes(path).value());
}

TEST(TableFile, ReaderAcceptsLineBreaksIndentationAndCharacterReferences) {
    const std::string file =
        "\r\n<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<DATAPACKET Version=\"2.0\">\r\n"
        "  <METADATA>\n    <FIELDS>\n"
        "      <FIELD attrname=\"ID\" fieldtype=\"i4\" readonly=\"TRUE\" SUBTYPE=\"Autoinc\"/>\n"
        "      <FIELD attrname = 'Name' fieldtype=\"string\" WIDTH=\"50\" />\n"
        "      <FIELD attrname=\"Flag\" fieldtype=\"boolean\"></FIELD>\n"
        "    </FIELDS>\n    <PARAMS AUTOINCVALUE=\"8\"></PARAMS>\n  </METADATA>\n"
        "  <ROWDATA>\n    <ROW ID=\"7\" Name=\"&#65;&#x42;&#12354;&#092;&#10;\" Flag=\"true\"/>\n"
        "  </ROWDATA>\n</DATAPACKET>\r\n";
    TClientDataSet table;
    table.LoadFromBytes(file, "lenient.xml");
    ASSERT_EQ(table.RecordCount(), 1);
    EXPECT_TRUE(table.Fields(0).ReadOnly());
    EXPECT_EQ(table.FieldByName("Name").AsString(), "ABあ\\\n");
    EXPECT_TRUE(table.FieldByName("Flag").AsBoolean());
    EXPECT_EQ(table.AutoIncValue(), 8);
}

TEST(TableFile, DamagedFilesAreRejectedNamingTheFileAndLeaveTheTableEmpty) {
    TClientDataSet good;
    MakeTable(good);
    AddRow(good, 6, "表", "a\r\nb", true);
    const std::string bytes = good.SaveToBytes();
    const std::string mf = "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
    const std::string tail = "</FIELDS><PARAMS/></METADATA><ROWDATA>";
    const std::string intField = mf + "<FIELD attrname=\"A\" fieldtype=\"i4\"/>" + tail;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "unexpected end of file"},
        {"<DATAPACKET><FIELDS>", "expected <METADATA>"},
        {"garbage", "text outside of a tag"},
        {intField + "<ROW A=\"x1\"/></ROWDATA></DATAPACKET>", "\"x1\" is not an integer"},
        {intField + "<ROW A=\"99999999999\"/></ROWDATA></DATAPACKET>", "is not an integer"},
        {intField + "<ROW B=\"1\"/></ROWDATA></DATAPACKET>", "unknown field \"B\""},
        {intField + "<ROW A=\"1\" A=\"2\"/></ROWDATA></DATAPACKET>", "given twice"},
        {intField + "<ROW A=\"&bogus;\"/></ROWDATA></DATAPACKET>", "unknown entity"},
        {intField + "<ROW A=\"&#0;\"/></ROWDATA></DATAPACKET>", "bad character reference"},
        {intField + "<ROW A=\"1\"/></ROWDATA></DATAPACKET>trailing", "text after"},
        {mf + "<FIELD attrname=\"A\" fieldtype=\"i8\"/>" + tail + "</ROWDATA></DATAPACKET>",
         "field \"A\" has the unsupported type \"i8\""},
        {mf + "<FIELD attrname=\"A\" fieldtype=\"string\"/>" + tail + "</ROWDATA></DATAPACKET>",
         "without WIDTH"},
        {mf + "<FIELD attrname=\"A\" fieldtype=\"i4\"/><FIELD attrname=\"a\" fieldtype=\"i4\"/>" +
             tail + "</ROWDATA></DATAPACKET>",
         "declared twice"},
        {mf + "<FIELD fieldtype=\"i4\"/>" + tail + "</ROWDATA></DATAPACKET>", "without a name"},
        {intField + "<ROW A=\"1\"/></ROWDATA>", "unexpected end of file"},
    };
    for (const auto& [file, reason] : cases) {
        TClientDataSet table;
        MakeTable(table);
        try {
            table.LoadFromBytes(file, "bad.xml");
            ADD_FAILURE() << "accepted: " << file;
        } catch (const std::runtime_error& e) {
            std::string message = e.what();
            EXPECT_EQ(message.rfind("bad.xml: ", 0), 0u) << message;
            EXPECT_NE(message.find(reason), std::string::npos) << message;
        }
        EXPECT_FALSE(table.Active());
        EXPECT_EQ(table.RecordCount(), 0);
        EXPECT_TRUE(table.Eof());
    }
    // Every truncation of a good file is refused cleanly.
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        TClientDataSet table;
        EXPECT_THROW(table.LoadFromBytes(bytes.substr(0, length), "cut.xml"), std::runtime_error)
            << length;
        EXPECT_EQ(table.RecordCount(), 0);
    }
}

TEST(TableFile, MissingFileIsAnErrorNamingIt) {
    TempFolder folder;
    TClientDataSet table;
    MakeTable(table);
    AddRow(table, 1, "a", std::nullopt, true);
    const std::string path = folder.Path() + "missing.xml";
    try {
        table.LoadFromFile(path);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
    }
    EXPECT_FALSE(table.Active());
    EXPECT_EQ(table.RecordCount(), 0);
}

TEST(TableFile, FailedSaveThrowsNamingTheFileAndKeepsTheTable) {
    TempFolder folder;
    TClientDataSet table;
    MakeTable(table);
    AddRow(table, 1, "a", std::nullopt, true);
    const std::string path = folder.Path() + "no-such-folder/t.xml";
    EXPECT_THROW(
        {
            try {
                table.SaveToFile(path);
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
                throw;
            }
        },
        std::runtime_error);
    EXPECT_EQ(table.RecordCount(), 1);
}

TEST(TableFile, FixedFieldsRefuseAFileLackingOneOrHoldingItWithAnotherType) {
    TClientDataSet source;
    source.CreateDataSet({AutoIncFieldDef("ID"), StringFieldDef("Hour", 5)});
    const std::string bytes = source.SaveToBytes();

    TClientDataSet lacking({AutoIncFieldDef("ID"), IntegerFieldDef("Minutes")});
    try {
        lacking.LoadFromBytes(bytes, "s.xml");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "s.xml: field \"Minutes\" not found");
    }
    TClientDataSet mistyped({AutoIncFieldDef("ID"), IntegerFieldDef("Hour")});
    try {
        mistyped.LoadFromBytes(bytes, "s.xml");
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "s.xml: field \"Hour\" is of type String, expected Integer");
    }
    // The fixed field objects stay usable, and a matching file binds to the same objects.
    TField* hour = mistyped.FindField("hour");
    ASSERT_NE(hour, nullptr);
    EXPECT_TRUE(hour->IsNull());
    TClientDataSet matching;
    matching.CreateDataSet(
        {AutoIncFieldDef("ID"), StringFieldDef("Extra", 3), IntegerFieldDef("Hour")});
    mistyped.LoadFromBytes(matching.SaveToBytes(), "m.xml");
    EXPECT_EQ(mistyped.FindField("Hour"), hour);
    EXPECT_EQ(hour->Index(), 2);
}

TEST(TableFile, OlderRealNumberFieldsAreRead) {
    const std::string file = "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
                             "<FIELD attrname=\"StartHour\" fieldtype=\"r8\"/></FIELDS><PARAMS/>"
                             "</METADATA><ROWDATA><ROW StartHour=\"1.5\"/><ROW StartHour=\"3\"/>"
                             "</ROWDATA></DATAPACKET>";
    TClientDataSet table;
    table.LoadFromBytes(file, "old.xml");
    EXPECT_DOUBLE_EQ(table.FieldByName("StartHour").AsFloat(), 1.5);
    EXPECT_EQ(table.FieldByName("StartHour").AsString(), "1.5");
    table.Next();
    EXPECT_EQ(table.FieldByName("StartHour").AsString(), "3");
}
