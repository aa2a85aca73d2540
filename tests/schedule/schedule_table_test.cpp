#include "schedule/ScheduleTable.h"

#include <gtest/gtest.h>

namespace {

using W = TScheduleWindows;
constexpr std::nullopt_t Null = std::nullopt;

} // namespace

TEST(ScheduleWindows, FollowTheThreeCasesAndTheIntervalRules) {
    struct Case {
        const char* what;
        TScheduleEntryTimes entry;
        std::int32_t before, after;
        W expected;
    };
    const std::vector<Case> cases = {
        {"06:00 with the defaults 1:00 / 3:00",
         {6, 0, Null, Null, Null, Null},
         60,
         180,
         {300, 540, 300, 540, 360, 540, 360, 540}},
        {"00:30 starting before midnight",
         {0, 30, 1, 0, 0, 30},
         0,
         0,
         {1410, 1439, 0, 60, 30, 60, 30, 60}},
        {"23:00 ending after midnight",
         {23, 0, Null, Null, 1, 30},
         60,
         0,
         {1320, 1439, 0, 30, 1380, 1439, 0, 30}},
        {"23:00 ending exactly at 1440 stays whole",
         {23, 0, Null, Null, 1, 0},
         60,
         0,
         {1320, 1440, 1320, 1440, 1380, 1440, 1380, 1440}},
        {"StartHour2 alone: the null minutes count 0",
         {6, 0, 2, Null, Null, Null},
         60,
         180,
         {240, 540, 240, 540, 360, 540, 360, 540}},
        {"EndMinutes alone",
         {6, 0, Null, Null, Null, 15},
         60,
         180,
         {300, 375, 300, 375, 360, 375, 360, 375}},
        {"both ends past midnight keep a start below 0",
         {0, 30, 1, 0, 23, 59},
         0,
         0,
         {-30, 1439, 0, 29, 30, 1439, 0, 29}},
        {"null hour and minutes count 0",
         {Null, Null, 0, 0, 0, 0},
         60,
         180,
         {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeScheduleWindows(c.entry, c.before, c.after), c.expected) << c.what;
}

TEST(ScheduleWindows, DefaultIntervalTakesTheWholePartOfHoursTimesSixty) {
    EXPECT_EQ(DefaultIntervalMinutes(1.0, 0), 60);
    EXPECT_EQ(DefaultIntervalMinutes(1.5, 0), 90);
    EXPECT_EQ(DefaultIntervalMinutes(3.0, 15), 195);
    // 0.7 is stored slightly below 0.7; with a 64-bit significand the product stays below 42.
    EXPECT_EQ(DefaultIntervalMinutes(0.7, 0), 41);
    EXPECT_EQ(DefaultIntervalMinutes(std::numeric_limits<double>::infinity(), 5), 5);
}

TEST(ScheduleWindows, StoredInEveryRowOfTheTable) {
    TClientDataSet table(ScheduleTableFields());
    table.CreateDataSet();
    EXPECT_EQ(table.FieldCount(), 21);
    table.SetIndexFieldNames("Hour;Place;Memo");
    for (int hour : {23, 6}) {
        table.Append();
        table.FieldByName("Hour").SetAsInteger(hour);
        table.FieldByName("Minutes").SetAsInteger(0);
        table.Post();
    }
    StoreScheduleWindows(table, 1.5, 0, 3.0, 0);
    EXPECT_EQ(table.FieldByName("Hour").AsInteger(), 6);
    EXPECT_EQ(table.FieldByName("AllMinMin1").AsInteger(), 270);
    EXPECT_EQ(table.FieldByName("AllMinMax2").AsInteger(), 540);
    table.Next();
    EXPECT_EQ(table.FieldByName("AllMinMin1").AsInteger(), 1290);
    EXPECT_EQ(table.FieldByName("AllMinMax1").AsInteger(), 1439);
    EXPECT_EQ(table.FieldByName("AllMinMax2").AsInteger(), 120);
    EXPECT_EQ(table.FieldByName("JustAllMinMin1").AsInteger(), 1380);
}

TEST(ScheduleWindows, UnknownAlarmNamesCountAsTheLowestCategory) {
    EXPECT_EQ(ScheduleAlarmCategory("騎士アラーム"), "騎士アラーム");
    EXPECT_EQ(ScheduleAlarmCategory("なにか"), "アルバイトアラーム");
    EXPECT_EQ(ScheduleAlarmCategory(""), "アルバイトアラーム");
}
