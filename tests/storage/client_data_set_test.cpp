#include "storage/ClientDataSet.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

void MakeMemoTable(TClientDataSet& table) {
    table.CreateDataSet({AutoIncFieldDef("ID"), StringFieldDef("MemoGroup", 20),
                         StringFieldDef("MapAreaName", 50), IntegerFieldDef("MapX"),
                         BooleanFieldDef("FilterCheck")});
}

void Add(TClientDataSet& table, std::optional<std::string> group, std::optional<std::string> area,
         std::optional<int> x = std::nullopt) {
    table.Append();
    if (group)
        table.FieldByName("MemoGroup").SetAsString(*group);
    if (area)
        table.FieldByName("MapAreaName").SetAsString(*area);
    if (x)
        table.FieldByName("MapX").SetAsInteger(*x);
    table.Post();
}

std::vector<int> VisibleIds(TClientDataSet& table) {
    std::vector<int> ids;
    for (table.First(); !table.Eof(); table.Next())
        ids.push_back(table.FieldByName("ID").AsInteger());
    return ids;
}

} // namespace

TEST(TableEngine, IdCounterNeverReusesAnIdAcrossDeleteSaveAndReload) {
    TempFolder folder;
    const std::string path = folder.Path() + "m.xml";
    TClientDataSet table;
    MakeMemoTable(table);
    Add(table, "a", "x");
    Add(table, "b", "y");
    table.Last();
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 2);
    table.Delete();
    table.MergeChangeLog();
    table.SaveToFile(path);

    TClientDataSet reloaded;
    reloaded.LoadFromFile(path);
    Add(reloaded, "c", "z");
    EXPECT_EQ(VisibleIds(reloaded), (std::vector<int>{1, 3}));
    EXPECT_THROW(reloaded.FieldByName("ID").SetAsInteger(9), std::runtime_error); // not in edit
    reloaded.Edit();
    EXPECT_THROW(reloaded.FieldByName("ID").SetAsInteger(9), std::runtime_error); // read-only
    reloaded.Cancel();

    // A counter below an ID already in the file does not hand that ID out again.
    TClientDataSet damaged;
    damaged.LoadFromBytes(
        "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"ID\" fieldtype=\"i4\" "
        "readonly=\"true\" SUBTYPE=\"Autoinc\"/></FIELDS><PARAMS AUTOINCVALUE=\"2\"/></METADATA>"
        "<ROWDATA><ROW ID=\"5\"/></ROWDATA></DATAPACKET>",
        "damaged.xml");
    damaged.Append();
    damaged.Post();
    EXPECT_EQ(damaged.FieldByName("ID").AsInteger(), 6);
}

TEST(TableEngine, IndexOrdersNullsFirstAndKeepsStoredOrderForTies) {
    TClientDataSet table;
    MakeMemoTable(table);
    Add(table, "b", "x");          // 1
    Add(table, std::nullopt, "y"); // 2
    Add(table, "a", "z");          // 3
    Add(table, "", "w");           // 4
    Add(table, "a", "z");          // 5 ties with 3
    Add(table, "a", std::nullopt); // 6
    table.SetIndexFieldNames("MemoGroup;MapAreaName");
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{2, 4, 6, 3, 5, 1}));
    EXPECT_EQ(table.ViewValue(2, 0), TFieldValue(6)); // without moving the cursor
    EXPECT_TRUE(table.Eof());
    table.Prior();
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 5);
    table.First();
    table.Prior();
    EXPECT_TRUE(table.Bof());
    EXPECT_EQ(table.RecNo(), 1);

    // An edit that changes the order moves the row; the cursor follows it.
    table.Locate("ID", 1);
    table.Edit();
    table.FieldByName("MemoGroup").SetAsString("");
    table.Post();
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 1);
    EXPECT_EQ(table.RecNo(), 3);
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{2, 4, 1, 6, 3, 5}));

    table.SetIndexFieldNames("");
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_THROW(table.SetIndexFieldNames("MemoGroup;Nothing"), std::runtime_error);
}

TEST(TableEngine, FilterShowsMatchingRowsButSaveWritesThemAll) {
    TClientDataSet table;
    MakeMemoTable(table);
    Add(table, "a", "x");
    Add(table, "b", "y");
    Add(table, "c", "z");
    for (table.First(); !table.Eof(); table.Next()) {
        table.Edit();
        table.FieldByName("FilterCheck")
            .SetAsBoolean(table.FieldByName("MemoGroup").AsString() != "b");
        table.Post();
    }
    table.SetFilter("FilterCheck = True ");
    table.SetFiltered(true);
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{1, 3}));
    EXPECT_EQ(table.RecordCount(), 2);

    TClientDataSet reloaded;
    reloaded.LoadFromBytes(table.SaveToBytes(), "f.xml");
    EXPECT_EQ(VisibleIds(reloaded), (std::vector<int>{1, 2, 3}));

    // A posted row that no longer passes leaves the view; a new one that passes joins it.
    table.First();
    table.Edit();
    table.FieldByName("FilterCheck").SetAsBoolean(false);
    table.Post();
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 3);
    Add(table, "d", "w");
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{3}));
    table.Append();
    table.FieldByName("FilterCheck").SetAsBoolean(true);
    table.Post();
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{3, 5}));

    // Order and filter set on a closed table apply when it opens; a name the file lacks fails
    // the load.
    TClientDataSet closed;
    closed.SetIndexFieldNames("MemoGroup");
    closed.SetFilter("MemoGroup >= 'b'");
    closed.SetFiltered(true);
    closed.LoadFromBytes(table.SaveToBytes(), "f.xml");
    EXPECT_EQ(VisibleIds(closed), (std::vector<int>{2, 3, 4}));
    closed.Close();
    closed.SetIndexFieldNames("Nothing");
    EXPECT_THROW(closed.LoadFromBytes(table.SaveToBytes(), "f.xml"), std::runtime_error);
    EXPECT_FALSE(closed.Active());

    EXPECT_THROW(table.SetFilter("FilterCheck = "), std::runtime_error);
    EXPECT_EQ(table.Filter(), "FilterCheck = True ");
    Add(table, "still filtered", "v");
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{3, 5}));
    table.SetFiltered(false);
    EXPECT_EQ(table.RecordCount(), 6);
}

TEST(TableEngine, DeleteWhileWalkingVisitsEveryRowOnce) {
    TClientDataSet table;
    MakeMemoTable(table);
    for (int i = 0; i < 6; ++i)
        Add(table, std::to_string(i % 2), "x", i);
    table.First();
    while (!table.Eof()) {
        if (table.FieldByName("MemoGroup").AsString() == "1")
            table.Delete();
        else
            table.Next();
    }
    EXPECT_EQ(VisibleIds(table), (std::vector<int>{1, 3, 5}));
    table.Last();
    table.Delete();
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 3);
    table.Delete();
    table.Delete();
    EXPECT_TRUE(table.Eof());
    EXPECT_TRUE(table.FieldByName("ID").IsNull());
    EXPECT_THROW(table.Delete(), std::runtime_error);
}

TEST(TableEngine, AppendCancelAndMovingAwayFromAnEdit) {
    TClientDataSet table;
    MakeMemoTable(table);
    Add(table, "a", "x");
    table.Append();
    EXPECT_TRUE(table.FieldByName("ID").IsNull()); // the ID comes with the post
    table.FieldByName("MemoGroup").SetAsString("gone");
    table.Cancel();
    EXPECT_EQ(table.RecordCount(), 1);
    EXPECT_EQ(table.FieldByName("MemoGroup").AsString(), "a");

    table.Edit();
    table.FieldByName("MemoGroup").SetAsString("edited");
    table.First(); // moving posts the edit
    EXPECT_EQ(table.State(), TDataSetState::Browse);
    EXPECT_EQ(table.FieldByName("MemoGroup").AsString(), "edited");
    table.Append();
    table.Post();
    EXPECT_EQ(table.FieldByName("ID").AsInteger(), 2); // the cancelled row used no ID
}

TEST(TableEngine, FieldValuesConvertAndStringsAreCutToTheirWidthInBytes) {
    TClientDataSet table;
    table.CreateDataSet({AutoIncFieldDef("ID"), StringFieldDef("S", 5), IntegerFieldDef("I"),
                         BooleanFieldDef("B")});
    table.Append();
    TField& s = table.FieldByName("S");
    TField& i = table.FieldByName("I");
    const std::vector<std::pair<std::string, std::string>> cuts = {{"abcdefg", "abcde"},
                                                                   {"あいう", "あい"},
                                                                   {"aあいう", "aあい"},
                                                                   {"abcdあ", "abcd"},
                                                                   {"ｱｲｳｴｵｶ", "ｱｲｳｴｵ"}};
    for (const auto& [in, out] : cuts) {
        s.SetAsString(in);
        EXPECT_EQ(s.AsString(), out) << in;
    }
    i.SetAsString("-42");
    EXPECT_EQ(i.AsInteger(), -42);
    EXPECT_EQ(i.AsString(), "-42");
    EXPECT_THROW(i.SetAsString("4x"), std::runtime_error);
    s.SetAsInteger(12);
    EXPECT_EQ(s.AsInteger(), 12);
    table.FieldByName("B").SetAsBoolean(true);
    EXPECT_EQ(table.FieldByName("B").AsString(), "True");
    i.Assign(table.FieldByName("B"));
    EXPECT_EQ(i.AsInteger(), 1);
    table.FieldByName("B").Clear();
    i.Assign(table.FieldByName("B"));
    EXPECT_TRUE(i.IsNull());
    EXPECT_EQ(table.FindField("nothing"), nullptr);
    EXPECT_THROW(table.FieldByName("nothing"), std::runtime_error);
}

TEST(TableEngine, PendingChangeLogIsSavedAndReadBackAsTheRowsStand) {
    TClientDataSet table;
    MakeMemoTable(table);
    Add(table, "keep", "x");
    Add(table, "modify", "x");
    Add(table, "delete", "x");
    Add(table, "modify twice", "x");
    table.MergeChangeLog();
    table.Locate("MemoGroup", std::string("modify"));
    table.Edit();
    table.FieldByName("MemoGroup").SetAsString("modified");
    table.Post();
    table.Locate("MemoGroup", std::string("delete"));
    table.Delete();
    for (const char* text : {"once", "twice"}) {
        table.Locate("ID", 4);
        table.Edit();
        table.FieldByName("MemoGroup").SetAsString(text);
        table.Post();
    }
    Add(table, "inserted", "y");
    EXPECT_EQ(table.ChangeCount(), 4);

    const std::string bytes = table.SaveToBytes();
    EXPECT_NE(bytes.find("<PARAMS CHANGE_LOG=\"3 2 8 5 4 8 6 0 4 7 0 2\" AUTOINCVALUE=\"6\"/>"),
              std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("<ROW RowState=\"1\" ID=\"2\" MemoGroup=\"modify\""), std::string::npos);
    EXPECT_NE(bytes.find("<ROW RowState=\"2\" ID=\"3\" MemoGroup=\"delete\""), std::string::npos);

    TClientDataSet reloaded;
    reloaded.LoadFromBytes(bytes, "log.xml");
    std::vector<std::string> groups;
    for (reloaded.First(); !reloaded.Eof(); reloaded.Next())
        groups.push_back(reloaded.FieldByName("MemoGroup").AsString());
    EXPECT_EQ(groups, (std::vector<std::string>{"keep", "modified", "twice", "inserted"}));
    EXPECT_EQ(reloaded.ChangeCount(), 0);

    table.MergeChangeLog();
    EXPECT_EQ(table.ChangeCount(), 0);
    EXPECT_EQ(table.SaveToBytes().find("RowState"), std::string::npos);

    // Without logging, changes are not kept as pending.
    table.SetLogChanges(false);
    Add(table, "quiet", "z");
    EXPECT_EQ(table.ChangeCount(), 0);
}

TEST(TableEngine, ReadsAChangeLogWrittenInAnotherOrder) {
    // Record 1 was modified (2 replaces it), 3 was inserted and then deleted, 4 inserted.
    const std::string file =
        "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS><FIELD attrname=\"N\" fieldtype=\"i4\"/>"
        "</FIELDS><PARAMS CHANGE_LOG=\"4 0 4 2 1 8 3 0 4 3 0 2\"/></METADATA><ROWDATA>"
        "<ROW RowState=\"1\" N=\"1\"/><ROW RowState=\"8\" N=\"10\"/><ROW RowState=\"4\" N=\"3\"/>"
        "<ROW RowState=\"4\" N=\"4\"/><ROW N=\"5\"/></ROWDATA></DATAPACKET>";
    TClientDataSet table;
    table.LoadFromBytes(file, "log.xml");
    std::vector<int> values;
    for (table.First(); !table.Eof(); table.Next())
        values.push_back(table.FieldByName("N").AsInteger());
    EXPECT_EQ(values, (std::vector<int>{10, 4, 5}));

    for (const char* log : {"9 0 4", "1 1 8", "1 2 8 2 1 8", "1 0", "3 1 8 3 2 8", "2 1 8 3 1 8"}) {
        std::string bad = file;
        bad.replace(bad.find("4 0 4 2 1 8 3 0 4 3 0 2"), 23, log);
        EXPECT_THROW(table.LoadFromBytes(bad, "bad.xml"), std::runtime_error) << log;
    }
}

TEST(TableEngine, TellsDataAwareControlsWhatChangedUnlessTheyAreDisabled) {
    TClientDataSet table;
    std::vector<TDataSetEvent> events;
    int id = table.AddDataChangeHandler([&](TDataSetEvent e) { events.push_back(e); });
    MakeMemoTable(table);
    Add(table, "a", "x");
    Add(table, "b", "y");
    using E = TDataSetEvent;
    // Opening; then per row: Append, two values set, Post.
    EXPECT_EQ(events, (std::vector<E>{E::Layout, E::StateChange, E::DataChange, E::DataChange,
                                      E::DataChange, E::StateChange, E::DataChange, E::DataChange,
                                      E::DataChange}));
    events.clear();
    table.First();
    table.Next();
    table.Next(); // already at the end: nothing moves
    EXPECT_EQ(events, (std::vector<E>{E::Scroll, E::Scroll}));

    events.clear();
    table.DisableControls();
    table.DisableControls();
    for (table.First(); !table.Eof(); table.Next()) {
        table.Edit();
        table.FieldByName("FilterCheck").SetAsBoolean(true);
        table.Post();
    }
    table.EnableControls();
    EXPECT_TRUE(events.empty());
    table.EnableControls();
    EXPECT_EQ(events, (std::vector<E>{E::Layout}));

    table.RemoveDataChangeHandler(id);
    table.First();
    EXPECT_EQ(events.size(), 1u);

    // A handler removed by an earlier one during the same change is not called any more: its
    // owner may be gone.
    int second = 0;
    int calls = 0;
    table.AddDataChangeHandler([&](TDataSetEvent) { table.RemoveDataChangeHandler(second); });
    second = table.AddDataChangeHandler([&](TDataSetEvent) { ++calls; });
    table.Last();
    EXPECT_EQ(calls, 0);
}
