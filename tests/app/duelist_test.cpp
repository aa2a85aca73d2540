#include "app/DueList.h"
#include "core/YorraClockIni.h"
#include "schedule/RotationList.h"
#include "storage/Cp932.h"

#include "AllocationCounter.h"
#include "FakeSoundDevice.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct Entry {
    int hour, minutes;
    const char* area; // nullptr: null
    const char* place;
    const char* alarm = "アルバイトアラーム";
    std::optional<int> startHour2 = {}, startMinutes = {}, endHour2 = {}, endMinutes = {};
    std::optional<bool> checkVisible = true;
    const char* memo = "";
};

void WriteSchedule(const std::string& path, const std::vector<Entry>& entries) {
    TClientDataSet table;
    table.CreateDataSet(ScheduleTableFields());
    for (const Entry& e : entries) {
        table.Append();
        table.FieldByName("Hour").SetAsInteger(e.hour);
        table.FieldByName("Minutes").SetAsInteger(e.minutes);
        if (e.area)
            table.FieldByName("Area").SetAsString(e.area);
        table.FieldByName("Place").SetAsString(e.place);
        table.FieldByName("Memo").SetAsString(e.memo);
        table.FieldByName("AlarmName").SetAsString(e.alarm);
        if (e.checkVisible)
            table.FieldByName("CheckVisible").SetAsBoolean(*e.checkVisible);
        auto set = [&](const char* name, std::optional<int> v) {
            if (v)
                table.FieldByName(name).SetAsInteger(*v);
        };
        set("StartHour2", e.startHour2);
        set("StartMinutes", e.startMinutes);
        set("EndHour2", e.endHour2);
        set("EndMinutes", e.endMinutes);
        table.Post();
    }
    table.SaveToFile(path);
}

const char Wav[] = "RIFF\x24\0\0\0WAVEfmt ";

// A program folder with settings, rotations, weekdays and alarm sounds.
struct DueListFixture : ::testing::Test {
    TempFolder dir;
    FakeSoundDevice sound;
    std::optional<TYorraClockIni> ini;
    std::optional<TRotationList> moonGate, price;
    std::optional<TYorraWeeksList> weeks;
    std::optional<TDueListEngine> engine;
    // A Thursday at noon: weekday lines come from "Lughnasadh".
    const TLocalDateTime thursday = EncodeDateTime(2026, 12, 10, 12, 0);

    void SetUp() override {
        for (const char* name : {"UserAlarm", "ArbeitAlarm", "FurettaAlarm", "KnightAlarm"})
            dir.Write(std::string("DefaultAlarmSound/") + name + ".wav",
                      std::string(Wav, sizeof Wav));
        dir.Write("gate.ini",
                  Utf8ToCp932("[MoonGate]\r\nGate1=ダンバートン\r\nGate2=ティルコネイル\r\n"));
        dir.Write("price.ini", Utf8ToCp932("[Price]\r\nPosition1=バンホール\r\n"));
        dir.Write("YorraPDAWeek.ini", Utf8ToCp932("[Lughnasadh]\r\nName=木曜\r\nEffect=E\r\n"));
        ini.emplace(dir.Path(), sound);
        moonGate.emplace(dir.Path() + "gate.ini", MoonGateRotation);
        price.emplace(dir.Path() + "price.ini", PriceRotation);
        weeks.emplace(dir.Path() + "YorraPDAWeek.ini");
        moonGate->SetIndex(1);
    }

    void Load(const std::vector<Entry>& entries) {
        WriteSchedule(dir.Path() + "YorraPDA13.xml", entries);
        engine.emplace(dir.Path() + "YorraPDA13.xml", *moonGate, *price, *weeks);
        RebuildDueList(*engine, *ini);
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TListLine& l : engine->ShownLines())
            texts.push_back(l.Text);
        return texts;
    }

    int Minute(int h, int m) const { return h * 60 + m; }
    bool Refresh(int minute, TLocalDateTime t) {
        return RefreshDueListAndRing(*engine, *ini, minute, t);
    }
};

using Lines = std::vector<std::string>;

} // namespace

TEST_F(DueListFixture, FixedLinesEntriesAndWeekdayLinesInOrder) {
    Load({{6, 0, "Tir", "広場", "アルバイトアラーム", {}, {}, {}, {}, true, "line1\r\nline2|x"},
          {5, 30, "", "どこでも"},
          {5, 30, nullptr, "ヌル"},
          {7, 0, "Dunbarton", "よそ"},
          {6, 10, "Tir", "見えない", "アルバイトアラーム", {}, {}, {}, {}, false},
          {6, 20, "Tir", "未設定", "アルバイトアラーム", {}, {}, {}, {}, std::nullopt}});
    EXPECT_EQ(engine->AreaNames(), (Lines{"Tir", "Dunbarton"})); // first appearance by time
    EXPECT_EQ(engine->CurrentArea(), "Tir");
    EXPECT_EQ(ini->AreaName(), "Tir"); // the first area is stored when none was
    ASSERT_TRUE(Refresh(Minute(6, 0), thursday));
    EXPECT_EQ(Texts(), (Lines{"■Tir■", "●ムーンゲート● ティルコネイル", "●プライス● バンホール",
                              "●05:30 - 08:30ヌル", "●05:30 - 08:30どこでも", "●06:00 - 09:00広場",
                              "○木曜○", "○E○"}));
    EXPECT_EQ(engine->LineHint(5), "●06:00 - 09:00広場\nline1\nline2\nx");
    EXPECT_EQ(engine->LineHint(0), "■Tir■\nよていひょう表示エリア");
    EXPECT_EQ(engine->LineHint(99), "");
    EXPECT_EQ(engine->Click(1), TDueListClick::OpenMoonGate);
    EXPECT_EQ(engine->Click(3), TDueListClick::None);
}

TEST_F(DueListFixture, WindowsWrapOverMidnightAndEndOf1440ShowsAs2400) {
    Load({{23, 0, "A", "深夜"},
          {0, 30, "A", "未明"},
          {12, 0, "A", "正午", "アルバイトアラーム", {}, {}, 0, 0},
          {23, 0, "A", "ちょうど", "アルバイトアラーム", {}, {}, 1, 0}});
    struct {
        int minute;
        Lines entries;
    } cases[] = {
        {Minute(21, 59), {}},
        {Minute(22, 0), {"23:00 - 24:00ちょうど", "23:00 - 02:00深夜"}},
        {Minute(23, 30), {"00:30 - 03:30未明", "●23:00 - 24:00ちょうど", "●23:00 - 02:00深夜"}},
        {Minute(2, 0), {"●00:30 - 03:30未明", "●23:00 - 02:00深夜"}},
        {Minute(2, 1), {"●00:30 - 03:30未明"}},
        {Minute(11, 0), {"12:00 - 12:00正午"}},
        {Minute(12, 0), {"●12:00 - 12:00正午"}},
        {Minute(12, 1), {}},
    };
    for (const auto& c : cases) {
        Refresh(c.minute, thursday);
        Lines texts = Texts();
        Lines entries(texts.begin() + 3, texts.end() - 2);
        EXPECT_EQ(entries, c.entries) << "minute " << c.minute;
    }
}

TEST_F(DueListFixture, OneAlarmForTheNewEntriesByPriority) {
    Load({{6, 0, "A", "x", "アルバイトアラーム"},
          {6, 0, "A", "y", "フレッタアラーム"},
          {8, 0, "A", "z", "騎士アラーム"}});
    Refresh(Minute(4, 59), thursday);
    EXPECT_TRUE(sound.played.empty());
    Refresh(Minute(5, 0), thursday);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played.back(), ini->FurettaAlarmWavFileName());
    EXPECT_FALSE(Refresh(Minute(5, 1), thursday)); // nothing changed, no sound
    Refresh(Minute(6, 0), thursday);               // marks change, no new entry
    EXPECT_EQ(sound.played.size(), 1u);
    Refresh(Minute(7, 0), thursday); // z is new
    ASSERT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(sound.played.back(), ini->KnightAlarmWavFileName());
}

TEST_F(DueListFixture, SwitchingTheAreaCollapsesTheListAndRingsTheNewArea) {
    Load({{6, 0, "A", "a-place"}, {6, 0, "B", "b-place", "ユーザーアラーム"}});
    Refresh(Minute(6, 0), thursday);
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(engine->Click(2), TDueListClick::OpenPrice);
    engine->SelectArea("B");
    EXPECT_EQ(Texts(), Lines{"■B■"});
    EXPECT_EQ(engine->Click(0), TDueListClick::ShowAreaChooser);
    EXPECT_EQ(engine->Click(1), TDueListClick::None); // only the area line is left
    Refresh(Minute(6, 1), thursday);
    EXPECT_EQ(Texts()[3], "●06:00 - 09:00b-place");
    ASSERT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(sound.played.back(), ini->UserAlarmWavFileName());
}

TEST_F(DueListFixture, SoundOffStillRefreshes) {
    ini->SetSoundOnOff(false);
    Load({{6, 0, "A", "p"}});
    EXPECT_TRUE(Refresh(Minute(6, 0), thursday));
    EXPECT_EQ(Texts().size(), 6u);
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(DueListFixture, UnchangedRefreshAllocatesNothing) {
    std::vector<Entry> many;
    for (int i = 0; i < 200; ++i)
        many.push_back({i % 24, i % 60, i % 3 ? "A" : "", "場所"});
    Load(many);
    Refresh(Minute(6, 0), thursday);
    Refresh(Minute(6, 0), thursday);
    const std::size_t before = AllocationCount();
    EXPECT_FALSE(engine->RefreshDueList(Minute(6, 0), thursday));
    EXPECT_EQ(AllocationCount(), before);
}

TEST_F(DueListFixture, StoredAreaIsKeptAndIntervalsFollowTheSettings) {
    ini->SetAreaName("B");
    ini->SetStartYooraHour(1.5);
    Load({{6, 0, "A", "a"},
          {6, 0, "B", "b"},
          {12, 0, "B", "c", "アルバイトアラーム", 2, {}, {}, 30}});
    EXPECT_EQ(engine->CurrentArea(), "B");
    Refresh(Minute(4, 30), thursday); // 90 minutes before 06:00
    EXPECT_EQ(Texts()[3], "06:00 - 09:00b");
    Refresh(Minute(10, 0), thursday); // StartHour2 2, StartMinutes null: 120
    EXPECT_EQ(Texts()[3], "12:00 - 12:30c");
}

TEST(DueList, LineColoursFollowTheText) {
    struct {
        const char* line;
        TDueLineColour colour;
    } cases[] = {
        {"■Tir■", {255, 128, 128}},
        {"●ムーンゲート● x", {242, 146, 48}},
        {"●プライス● y", {96, 204, 96}},
        {"○木曜○", {204, 153, 255}},
        {"△特典△", {255, 153, 255}},
        {"06:00 - 09:00[x]", {128, 128, 255}},
        {"●06:00 - 09:00広場", {128, 128, 128}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DueLineColour(c.line), c.colour) << c.line;
}
