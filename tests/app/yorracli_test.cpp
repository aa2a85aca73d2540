#include "app/YorraCli.h"
#include "schedule/ScheduleTable.h"
#include "storage/Cp932.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <sstream>

namespace {

struct FixedClock : IClock {
    TLocalDateTime now = EncodeDateTime(2026, 12, 10, 12, 0);
    TLocalDateTime Now() const override { return now; }
};

struct CliRun {
    int code;
    std::string out, err;
};

// A small program folder: one entry at game 06:00 in "Tir", rotations, weekdays, settings.
struct YorraCliFixture : ::testing::Test {
    TempFolder dir;
    FixedClock clock;
    std::atomic<bool> stop{false};

    void SetUp() override {
        TClientDataSet table;
        table.CreateDataSet(ScheduleTableFields());
        table.Append();
        table.FieldByName("Hour").SetAsInteger(6);
        table.FieldByName("Minutes").SetAsInteger(0);
        table.FieldByName("Area").SetAsString("Tir");
        table.FieldByName("Place").SetAsString("広場[羊毛]");
        table.FieldByName("Memo").SetAsString("a\r\nb");
        table.FieldByName("CheckVisible").SetAsBoolean(true);
        table.FieldByName("AlarmName").SetAsString("騎士アラーム");
        table.Post();
        table.SaveToFile(dir.Path() + "YorraPDA13.xml");
        dir.Write("PeriodicData/YorraPDAGate5.ini",
                  Utf8ToCp932("[MoonGate]\r\nGate1=ダンバートン\r\n"));
        dir.Write("PeriodicData/YorraPDAPrice.ini",
                  Utf8ToCp932("[Price]\r\nPosition1=バンホール\r\n"));
        dir.Write("YorraPDAWeek.ini", Utf8ToCp932("[Imbolic]\r\nName=日曜\r\n"));
        dir.Write("YorraPDA.ini", "[SystemData]\r\nPlusYooraMin=20\r\nAreaName=Tir\r\n");
    }

    CliRun Run(std::vector<std::string> args) {
        std::ostringstream out, err;
        int code = RunYorraCli(args, clock, dir.Path(), out, err, stop);
        return {code, out.str(), err.str()};
    }
};

} // namespace

TEST_F(YorraCliFixture, NowAsJsonGivesTheClockAndTheList) {
    const std::string before = dir.Read("YorraPDA.ini");
    // 2005-03-27 00:09:00 is game 06:00 on real day 0, a Sunday.
    CliRun r = Run({"now", "--at", "2005-03-27 00:09:00.000", "--plus", "0", "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["ClockText"], "06:00");
    EXPECT_EQ(j["CorrectedTime"], "2005-03-27 00:09:00.000");
    EXPECT_EQ(j["RealDays"], 0);
    EXPECT_EQ(j["ElapsedYorraMinutes"], 360);
    EXPECT_EQ(j["MoonGateIndex"], 1);
    EXPECT_EQ(j["PriceIndex"], 0);
    EXPECT_EQ(j["BackPictureName"], "午前.bmp");
    EXPECT_EQ(j["WeekName"], "日曜");
    ASSERT_EQ(j["Lines"].size(), 5u);
    EXPECT_EQ(j["Lines"][0]["text"], "■Tir■");
    EXPECT_EQ(j["Lines"][1]["text"], "●ムーンゲート● ダンバートン");
    EXPECT_EQ(j["Lines"][2]["colour"], "#60CC60");
    EXPECT_EQ(j["Lines"][3]["text"], "●06:00 - 09:00広場[羊毛]");
    EXPECT_EQ(j["Lines"][3]["hint"], "a|b");
    EXPECT_EQ(j["Lines"][3]["colour"], "#8080FF");
    EXPECT_EQ(j["Lines"][4]["text"], "○日曜○");
    EXPECT_EQ(dir.Read("YorraPDA.ini"), before); // nothing is written
}

TEST_F(YorraCliFixture, NowUsesTheStoredCorrectionAndTheClock) {
    clock.now = EncodeDateTime(2005, 3, 27, 0, 8, 30); // game 05:40 …
    CliRun r = Run({"now"});                           // … plus 20 stored minutes
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("ClockText: 06:00\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n●06:00 - 09:00広場[羊毛]\n"), std::string::npos) << r.out;
}

TEST_F(YorraCliFixture, BadArgumentsAndMissingFiles) {
    const std::vector<std::vector<std::string>> usage = {{},
                                                         {"later"},
                                                         {"now", "--at"},
                                                         {"now", "--at", "2005-02-30 00:00:00"},
                                                         {"now", "--plus", "x"},
                                                         {"now", "--bogus"},
                                                         {"watch", "--json"}};
    for (const auto& args : usage) {
        CliRun r = Run(args);
        EXPECT_EQ(r.code, 2);
        EXPECT_NE(r.err.find("usage: yorrapda-cli"), std::string::npos);
    }
    std::filesystem::remove(dir.Path() + "YorraPDA13.xml");
    CliRun missing = Run({"now"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("YorraPDA13.xml"), std::string::npos);
    dir.Write("YorraPDA13.xml", "<?xml version=\"1.0\"?><DATAPACKET");
    CliRun damaged = Run({"now"});
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.err.find("YorraPDA13.xml"), std::string::npos);
}

TEST_F(YorraCliFixture, WatchPrintsAGameMinuteLineUntilAskedToStop) {
    // A clock that asks the watch to stop once it has been read twice.
    struct StoppingClock : IClock {
        std::atomic<bool>* stop;
        mutable int reads = 0;
        TLocalDateTime Now() const override {
            if (++reads > 1)
                *stop = true;
            return EncodeDateTime(2005, 3, 27, 0, 9, 0) - 20 * 1500;
        }
    } stopping;
    stopping.stop = &stop;
    std::ostringstream out, err;
    EXPECT_EQ(RunYorraCli({"watch", "--folder", dir.Path()}, stopping, "/nowhere/", out, err, stop),
              0);
    EXPECT_EQ(out.str(), "06:00 ダンバートン バンホール 1\n");
}
