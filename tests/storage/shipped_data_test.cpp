// The program folder as shipped: the committed data files and the generated pictures and
// sounds, laid out together the way an installation does it, must open through the program's
// own readers and refer to each other consistently.

#include "TempFolder.h"

#include "FakeSoundDevice.h"
#include "core/YorraClockIni.h"
#include "core/YorraWeeksList.h"
#include "schedule/RotationList.h"
#include "schedule/ScheduleTable.h"
#include "storage/AtomicFile.h"
#include "storage/ClientDataSet.h"
#include "storage/Cp932.h"
#include "storage/DataBaseConversion.h"
#include "storage/IniFile.h"
#include "storage/YorraClockPathAndFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace {

namespace fs = std::filesystem;

class ShippedData : public ::testing::Test {
  protected:
    // One installation for the whole suite: the committed files, then the generated ones.
    static void SetUpTestSuite() {
        install_ = std::make_unique<TempFolder>();
        for (const char* source : {YORRA_SOURCE_DATA, YORRA_BUILD_DATA})
            fs::copy(source, install_->Path(),
                     fs::copy_options::recursive | fs::copy_options::skip_existing);
    }
    static void TearDownTestSuite() { install_.reset(); }

    static std::string Folder() { return install_->Path(); }

    std::vector<std::string> AreaNames() const {
        std::vector<std::string> areas;
        for (const std::string& continent : SplitListLines(paths_.GetContinentNames()))
            for (const std::string& area : SplitListLines(paths_.GetAreaNames(continent)))
                areas.push_back(area);
        return areas;
    }
    bool IsArea(const std::string& name) const {
        const auto areas = AreaNames();
        return std::find(areas.begin(), areas.end(), name) != areas.end();
    }

    static std::unique_ptr<TempFolder> install_;
    TNoUserFolders noFolders_;
    TYorraClockPathAndFile paths_{Folder(), noFolders_};
};

std::unique_ptr<TempFolder> ShippedData::install_;

TEST_F(ShippedData, EveryFileTheProgramNamesIsThere) {
    FakeSoundDevice sound;
    TYorraClockIni ini(Folder(), sound); // a first start: every setting takes its default
    const std::vector<std::string> files = {paths_.GetScheduleDefaultFileName(),
                                            paths_.GetMemoDefaultFileName(),
                                            paths_.GetAddressDefaultFileName(),
                                            paths_.GetMoonGateFileName(),
                                            paths_.GetMoonGateBackupFileName(),
                                            paths_.GetPriceFileName(),
                                            paths_.GetPriceBackupFileName(),
                                            paths_.GetMapIniFileName(),
                                            paths_.GetImageFileSaveIniFileName(),
                                            Folder() + "YorraPDAWeek.ini",
                                            ini.OpenWindowWavFileName(),
                                            ini.OkWavFileName(),
                                            ini.CancelWavFileName(),
                                            ini.ClickWavFileName(),
                                            ini.MetronomeAWavFileName(),
                                            ini.MetronomeBWavFileName(),
                                            ini.AlarmWavFileName(),
                                            ini.KnightAlarmWavFileName(),
                                            ini.FurettaAlarmWavFileName(),
                                            ini.UserAlarmWavFileName(),
                                            Folder() + "夜.bmp",
                                            Folder() + "朝.bmp",
                                            Folder() + "午前.bmp",
                                            Folder() + "午後.bmp",
                                            Folder() + "夕焼け.bmp",
                                            Folder() + "YorraPDA.png"};
    for (const std::string& file : files)
        EXPECT_TRUE(FileExists(file)) << file;
    EXPECT_EQ(ini.AlarmWavFileName(), ini.DefaultArbeitAlarmFile());
    EXPECT_EQ(ini.UserAlarmWavFileName(), ini.DefaultUserAlarmFile());
    EXPECT_TRUE(fs::is_directory(ini.UserAlarmSoundFolder()));
}

// Text files are cp932 throughout: decoding and encoding again gives the same bytes, so no
// character was lost to "?". INI files end their lines in CR LF, tables are one line.
TEST_F(ShippedData, TextFilesAreCp932) {
    const std::vector<std::pair<std::string, bool>> files = {
        {"YorraPDAWeek.ini", true},
        {"ImageFileSave.ini", true},
        {"Map/Map.ini", true},
        {"PeriodicData/YorraPDAGate5.ini", true},
        {"PeriodicData/YorraPDAGateBackUp5.ini", true},
        {"PeriodicData/YorraPDAPrice.ini", true},
        {"PeriodicData/YorraPDAPriceBackUp.ini", true},
        {"DefaultDB/YorraPDA13.xml", false},
        {"DefaultDB/YorraPDAMemo17.xml", false},
        {"DefaultDB/YorraPDAAddres4.xml", false},
        {"OldDefaultDB/YorraPDA12.xml", false},
        {"OldDefaultDB/YorraPDAMemo16.xml", false},
        {"OldDefaultDB/YorraPDAAddres3.xml", false}};
    for (const auto& [file, crLfLines] : files) {
        const std::string bytes = ReadFileBytes(Folder() + file).value_or("");
        ASSERT_FALSE(bytes.empty()) << file;
        EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(bytes)), bytes) << file;
        const auto lineFeeds = std::count(bytes.begin(), bytes.end(), '\n');
        if (crLfLines) {
            EXPECT_EQ(lineFeeds, static_cast<long>(SplitListLines(bytes).size())) << file;
            for (std::size_t i = bytes.find('\n'); i != std::string::npos;
                 i = bytes.find('\n', i + 1))
                EXPECT_EQ(bytes[i - 1], '\r') << file << " at " << i;
        } else {
            EXPECT_EQ(lineFeeds, 0) << file;
        }
    }
}

TEST_F(ShippedData, WeekdaysHaveNamesEffectsAndBenefits) {
    const TYorraWeeksList weeks(Folder() + "YorraPDAWeek.ini");
    std::set<std::string> names;
    for (int day = 1; day <= 7; ++day) {
        names.insert(weeks.WeekName(day));
        EXPECT_FALSE(weeks.WeekEffects(day).empty()) << day;
        EXPECT_FALSE(weeks.WeekAdvances(day).empty()) << day;
        for (const auto& line : weeks.WeekEffects(day))
            EXPECT_FALSE(line.empty()) << day;
    }
    EXPECT_EQ(names.size(), 7u);
    EXPECT_EQ(weeks.WeekName(1), "アルバン・エイレル（月）");
    EXPECT_EQ(weeks.WeekEffects(7).size(), 2u);
}

TEST_F(ShippedData, MapListLinksItsAreasBothWays) {
    EXPECT_GE(SplitListLines(paths_.GetContinentNames()).size(), 2u);
    const auto areas = AreaNames();
    EXPECT_GE(areas.size(), 8u);
    int inner = 0, outer = 0, crossings = 0;
    for (const std::string& area : areas) {
        std::string continent;
        int x = 0, y = 0;
        paths_.GetAreaPosition(area, continent, x, y);
        EXPECT_GT(x, 0) << area;
        EXPECT_GT(y, 0) << area;
        EXPECT_TRUE(FileExists(paths_.GetMapFolder() + area + ".bmp")) << area;

        std::vector<std::string> sides[4];
        paths_.GetAreaNeighbours(area, sides[0], sides[1], sides[2], sides[3]);
        for (const auto& fields : sides) {
            ASSERT_EQ(fields.size() % 4, 0u) << area;
            for (std::size_t i = 0; i < fields.size(); i += 4) {
                const std::string& target = fields[i];
                EXPECT_TRUE(IsArea(target)) << area << " -> " << target;
                int number = 0;
                EXPECT_TRUE(ParseInteger(fields[i + 2], number)) << area << " -> " << target;
                EXPECT_TRUE(ParseInteger(fields[i + 3], number)) << area << " -> " << target;
                if (target == area) {
                    ++inner;
                    EXPECT_FALSE(fields[i + 1].empty())
                        << area << ": a place inside needs a caption";
                    continue;
                }
                ++outer;
                // Every way out has a way back.
                std::vector<std::string> back[4];
                paths_.GetAreaNeighbours(target, back[0], back[1], back[2], back[3]);
                bool returns = false;
                for (const auto& list : back)
                    for (std::size_t j = 0; j < list.size(); j += 4)
                        returns = returns || list[j] == area;
                EXPECT_TRUE(returns) << target << " has no way back to " << area;
                std::string targetContinent;
                paths_.GetAreaPosition(target, targetContinent, x, y);
                crossings += targetContinent != continent;
            }
        }
        int startX = 0, startY = 0, width = 0, height = 0;
        paths_.GetAreaGrid(area, startX, startY, width, height);
        EXPECT_GE(width, 0) << area;
        EXPECT_GE(height, 0) << area;
    }
    EXPECT_GT(inner, 0);
    EXPECT_GT(outer, 0);
    EXPECT_GT(crossings, 0); // one can travel to the other continent
}

TEST_F(ShippedData, RotationsStartFromTheirResetSourcesAndNameAreas) {
    const auto gates = ReadRotationFile(paths_.GetMoonGateFileName(), MoonGateRotation);
    const auto prices = ReadRotationFile(paths_.GetPriceFileName(), PriceRotation);
    EXPECT_GE(gates.size(), 8u);
    EXPECT_GE(prices.size(), 8u);
    EXPECT_EQ(ReadRotationFile(paths_.GetMoonGateBackupFileName(), MoonGateRotation), gates);
    EXPECT_EQ(ReadRotationFile(paths_.GetPriceBackupFileName(), PriceRotation), prices);
    for (const std::string& gate : gates)
        EXPECT_TRUE(IsArea(gate)) << gate;
    for (const std::string& position : prices) // an area, a blank and the spot within it
        EXPECT_TRUE(IsArea(position.substr(0, position.find(' ')))) << position;
}

TEST_F(ShippedData, SizeLimitsStartWithTheirKilobytes) {
    const auto lines =
        SplitListLines(ReadFileBytes(paths_.GetImageFileSaveIniFileName()).value_or(""));
    EXPECT_GE(lines.size(), 4u);
    int previous = 0;
    for (const std::string& line : lines) {
        int kilobytes = 0;
        ASSERT_TRUE(ParseInteger(line.substr(0, line.find(' ')), kilobytes)) << line;
        EXPECT_GT(kilobytes, previous) << "sizes grow down the menu";
        previous = kilobytes;
    }
}

TEST_F(ShippedData, ScheduleHoldsEventsOfSeveralAreasWithKnownAlarms) {
    TClientDataSet table(ScheduleTableFields());
    table.LoadFromFile(paths_.GetScheduleDefaultFileName());
    EXPECT_GE(table.RecordCount(), 20);
    std::set<std::string> areas;
    for (table.First(); !table.Eof(); table.Next()) {
        const std::string area = table.FieldByName("Area").AsString();
        const std::string what = area + " " + table.FieldByName("Place").AsString();
        if (!area.empty()) {
            areas.insert(area);
            EXPECT_TRUE(IsArea(area)) << what;
        }
        EXPECT_FALSE(table.FieldByName("Place").AsString().empty()) << what;
        EXPECT_FALSE(table.FieldByName("Memo").AsString().empty()) << what;
        const std::string alarm = table.FieldByName("AlarmName").AsString();
        EXPECT_NE(std::find(ScheduleAlarmNames.begin(), ScheduleAlarmNames.end(), alarm),
                  ScheduleAlarmNames.end())
            << what << ": " << alarm;
        EXPECT_TRUE(table.FieldByName("SystemCheck").AsBoolean()) << what;
        EXPECT_TRUE(table.FieldByName("CheckVisible").AsBoolean()) << what;
        EXPECT_FALSE(table.FieldByName("Hour").IsNull()) << what;
        EXPECT_FALSE(table.FieldByName("Minutes").IsNull()) << what;
    }
    EXPECT_GE(areas.size(), 3u);
}

// A fresh installation, first start: the settings hold their defaults (no area chosen), and at
// every game minute the list has an entry due, a moon gate destination and a merchant place.
TEST_F(ShippedData, FirstStartListsSomethingAtEveryGameMinute) {
    TempFolder fresh;
    fs::copy(Folder(), fresh.Path(), fs::copy_options::recursive);
    FakeSoundDevice sound;
    const TYorraClockIni ini(fresh.Path(), sound);
    ASSERT_EQ(ini.AreaName(), "");

    TClientDataSet table(ScheduleTableFields());
    table.LoadFromFile(fresh.Path() + "DefaultDB/YorraPDA13.xml");
    table.SetLogChanges(false);
    StoreScheduleWindows(table, ini.StartYooraHour(), ini.StartYooraMinutes(), ini.EndYooraHour(),
                         ini.EndYooraMinutes());
    std::vector<int> due(1440, 0);
    for (table.First(); !table.Eof(); table.Next()) {
        if (!table.FieldByName("Area").AsString().empty())
            continue; // listed only when its area is chosen
        auto in = [&](const char* min, const char* max, int m) {
            return table.FieldByName(min).AsInteger() <= m &&
                   m <= table.FieldByName(max).AsInteger();
        };
        for (int m = 0; m < 1440; ++m)
            due[m] += in("AllMinMin1", "AllMinMax1", m) || in("AllMinMin2", "AllMinMax2", m);
    }
    for (int m = 0; m < 1440; ++m)
        EXPECT_GT(due[m], 0) << "nothing due at game minute " << m;

    TRotationList gate(fresh.Path() + "PeriodicData/YorraPDAGate5.ini", MoonGateRotation);
    TRotationList price(fresh.Path() + "PeriodicData/YorraPDAPrice.ini", PriceRotation);
    for (std::int32_t index : {0, 1, 7, 40421}) {
        gate.SetIndex(index);
        price.SetIndex(index);
        EXPECT_FALSE(gate.GetCurrentEntry().empty()) << index;
        EXPECT_FALSE(price.GetCurrentEntry().empty()) << index;
    }
}

TEST_F(ShippedData, MemosCarrySearchTemplatesAndPlacesOnTheMaps) {
    TClientDataSet table;
    table.LoadFromFile(paths_.GetMemoDefaultFileName());
    std::set<std::string> placeholders;
    std::map<std::string, int> onMap; // group -> memos with a label or a point
    for (table.First(); !table.Eof(); table.Next()) {
        const std::string title = table.FieldByName("MemoTitle").AsString();
        const std::string memo = table.FieldByName("MemoMemo").AsString();
        EXPECT_EQ(title, memo.substr(0, memo.find("\r\n")));
        EXPECT_TRUE(table.FieldByName("SystemCheck").AsBoolean()) << title;
        for (const char* p : {"[検索文字列EUCJP]", "[検索文字列SJIS]", "[検索文字列UTF8]"})
            if (table.FieldByName("httpUrl").AsString().find(p) != std::string::npos)
                placeholders.insert(p);
        const std::string area = table.FieldByName("MapAreaName").AsString();
        if (area.empty())
            continue;
        EXPECT_TRUE(IsArea(area)) << title << ": " << area;
        const bool label = table.FieldByName("MapX").AsInteger() >= 1 ||
                           table.FieldByName("MapY").AsInteger() >= 1;
        const bool point = table.FieldByName("MapPointX").AsInteger() >= 1 ||
                           table.FieldByName("MapPointY").AsInteger() >= 1;
        EXPECT_TRUE(label || point) << title;
        onMap[table.FieldByName("MemoGroup").AsString()] += 1;
    }
    EXPECT_EQ(placeholders.size(), 3u);
    EXPECT_GE(onMap["NPC"], 3);
    EXPECT_GE(onMap["地名"], 3);
}

TEST_F(ShippedData, FriendsDefaultHasItsFieldsAndNoRows) {
    TClientDataSet table;
    table.LoadFromFile(paths_.GetAddressDefaultFileName());
    EXPECT_EQ(table.RecordCount(), 0);
    for (const char* field :
         {"ID", "Name", "Guild", "FreeMemo", "ServerName", "FilterCheck", "MainName"})
        EXPECT_NE(table.FindField(field), nullptr) << field;
}

// A user who kept an earlier version's file: the search finds it and names a shipped default of
// that version to compare it with, in the layout the conversion reads.
TEST_F(ShippedData, OlderDefaultsMatchTheFilesTheSearchFinds) {
    struct TCase {
        const char* OldFile;
        std::string (TYorraClockPathAndFile::*Find)() const;
        std::string (TYorraClockPathAndFile::*OldDefault)() const;
        const char* OldOnlyField; // a field of the older layout
    };
    const TCase cases[] = {
        {"YorraPDA12.xml", &TYorraClockPathAndFile::FindOldScheduleFileName,
         &TYorraClockPathAndFile::GetOldScheduleDefaultFileName, "StartHour"},
        {"YorraPDAMemo16.xml", &TYorraClockPathAndFile::FindOldMemoFileName,
         &TYorraClockPathAndFile::GetOldMemoDefaultFileName, "MapAreaName"},
        {"YorraPDAAddres3.xml", &TYorraClockPathAndFile::FindOldAddressFileName,
         &TYorraClockPathAndFile::GetOldAddressDefaultFileName, "NickName1"},
    };
    TempFolder user;
    fs::copy(Folder() + "OldDefaultDB", user.Path() + "OldDefaultDB", fs::copy_options::recursive);
    const TYorraClockPathAndFile paths(user.Path(), noFolders_);
    for (const TCase& c : cases) {
        fs::copy_file(Folder() + "OldDefaultDB/" + c.OldFile, user.Path() + c.OldFile);
        EXPECT_EQ((paths.*c.Find)(), user.Path() + c.OldFile);
        TClientDataSet oldDefault;
        oldDefault.LoadFromFile((paths.*c.OldDefault)());
        EXPECT_NE(oldDefault.FindField(c.OldOnlyField), nullptr) << c.OldFile;
    }
    TClientDataSet schedule;
    schedule.LoadFromFile(paths.GetOldScheduleDefaultFileName());
    EXPECT_EQ(schedule.FieldByName("StartHour").DataType(), TFieldType::Float);
    EXPECT_GT(schedule.RecordCount(), 0);
}

// Canonical 16-bit PCM: what every player takes. Short, audible, and the four alarms differ.
TEST_F(ShippedData, SoundsAreShortPcmWavesAndTheAlarmsDiffer) {
    FakeSoundDevice sound;
    const TYorraClockIni ini(Folder(), sound);
    const std::vector<std::string> interfaceSounds = {
        ini.OpenWindowWavFileName(), ini.OkWavFileName(),         ini.CancelWavFileName(),
        ini.ClickWavFileName(),      ini.MetronomeAWavFileName(), ini.MetronomeBWavFileName()};
    const std::vector<std::string> alarms = {ini.AlarmWavFileName(), ini.KnightAlarmWavFileName(),
                                             ini.FurettaAlarmWavFileName(),
                                             ini.UserAlarmWavFileName()};
    auto u32 = [](const std::string& b, std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at]) |
                                          static_cast<unsigned char>(b[at + 1]) << 8 |
                                          static_cast<unsigned char>(b[at + 2]) << 16 |
                                          static_cast<unsigned char>(b[at + 3]) << 24);
    };
    std::set<std::string> alarmBytes;
    for (const auto* group : {&interfaceSounds, &alarms}) {
        for (const std::string& file : *group) {
            const std::string b = ReadFileBytes(file).value_or("");
            ASSERT_GT(b.size(), 44u) << file;
            EXPECT_EQ(b.substr(0, 4), "RIFF") << file;
            EXPECT_EQ(u32(b, 4), b.size() - 8) << file;
            EXPECT_EQ(b.substr(8, 8), "WAVEfmt ") << file;
            EXPECT_EQ(u32(b, 20) & 0xFFFF, 1u) << file << ": PCM";
            EXPECT_EQ(u32(b, 34) & 0xFFFF, 16u) << file << ": 16 bits";
            EXPECT_EQ(b.substr(36, 4), "data") << file;
            const double seconds = u32(b, 40) / static_cast<double>(u32(b, 28));
            EXPECT_GT(seconds, 0.02) << file;
            EXPECT_LT(seconds, group == &alarms ? 2.0 : 0.5) << file;
            if (group == &alarms)
                alarmBytes.insert(b);
        }
    }
    EXPECT_EQ(alarmBytes.size(), alarms.size());
}

} // namespace

TEST_F(ShippedData, AUsersOlderScheduleConvertsEndToEnd) {
    TempFolder user;
    fs::copy(Folder(), user.Path(), fs::copy_options::recursive);
    // The user ran the earlier version: its shipped rows plus one entry of their own.
    TClientDataSet older;
    older.LoadFromFile(user.Path() + "OldDefaultDB/YorraPDA12.xml");
    const int shippedRows = older.RecordCount();
    older.Append();
    older.FieldByName("Hour").SetAsInteger(21);
    older.FieldByName("Minutes").SetAsInteger(15);
    older.FieldByName("StartHour").SetAsFloat(0.5);
    older.FieldByName("EndHour").SetAsFloat(2);
    older.FieldByName("Area").SetAsString("ダンバートン");
    older.FieldByName("Place").SetAsString("私の用事");
    older.FieldByName("CheckVisible").SetAsBoolean(true);
    older.FieldByName("AlarmName").SetAsString("ユーザーアラーム");
    older.Post();
    older.SaveToFile(user.Path() + "YorraPDA12.xml");
    ASSERT_GT(shippedRows, 0);

    TYorraClockPathAndFile paths(user.Path(), noFolders_);
    TDataBaseConversion(paths).ConvertScheduleTable();

    TClientDataSet current(ScheduleTableFields());
    current.LoadFromFile(paths.GetScheduleFileName());
    TClientDataSet shipped;
    shipped.LoadFromFile(paths.GetScheduleDefaultFileName());
    ASSERT_EQ(current.RecordCount(), shipped.RecordCount() + 1); // the old shipped rows are gone
    current.Last();
    EXPECT_EQ(current.FieldByName("Place").AsString(), "私の用事");
    EXPECT_EQ(current.FieldByName("Hour").AsInteger(), 21);
    EXPECT_EQ(current.FieldByName("StartHour2").AsInteger(), 0);
    EXPECT_EQ(current.FieldByName("StartMinutes").AsInteger(), 30);
    EXPECT_EQ(current.FieldByName("EndHour2").AsInteger(), 2);
    EXPECT_FALSE(current.FieldByName("SystemCheck").AsBoolean());
    EXPECT_EQ(current.FieldByName("AlarmName").AsString(), "ユーザーアラーム");
}
