#include "core/YorraClockIni.h"
#include "storage/Cp932.h"

#include "FakeSoundDevice.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

const char Wav[] = "RIFF\x24\0\0\0WAVEfmt ";

} // namespace

TEST(YorraClockIni, FirstStartWritesEveryDefaultInTableOrder) {
    TempFolder dir;
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    const std::string p = dir.Path();
    const std::string expected = "[SystemData]\r\n"
                                 "PlusYooraMin=0\r\n"
                                 "WindowActiveShotCut=Ctrl+Alt+D\r\n"
                                 "WindowLeft=32\r\n"
                                 "WindowTop=32\r\n"
                                 "SoundOnOff=1\r\n"
                                 "UserAlarmWavFileName=" +
                                 p +
                                 "DefaultAlarmSound/UserAlarm.wav\r\n"
                                 "AlarmWavFileName=" +
                                 p +
                                 "DefaultAlarmSound/ArbeitAlarm.wav\r\n"
                                 "FurettaAlarmWavFileName=" +
                                 p +
                                 "DefaultAlarmSound/FurettaAlarm.wav\r\n"
                                 "KnightAlarmWavFileName=" +
                                 p +
                                 "DefaultAlarmSound/KnightAlarm.wav\r\n"
                                 "OpenWindowWavFileName=" +
                                 p +
                                 "YorraPDAOpenWindow.wav\r\n"
                                 "OkWavFileName=" +
                                 p +
                                 "YorraPDAOk.wav\r\n"
                                 "CancelWavFileName=" +
                                 p +
                                 "YorraPDACancel.wav\r\n"
                                 "ClickWavFileName=" +
                                 p +
                                 "YorraPDAClick.wav\r\n"
                                 "MetronomeAWavFileName=" +
                                 p +
                                 "YorraPDAMetronome_a.wav\r\n"
                                 "MetronomeBWavFileName=" +
                                 p +
                                 "YorraPDAMetronome_b.wav\r\n"
                                 "AreaName=\r\n"
                                 "StartYooraHour=1\r\n"
                                 "StartYooraMinutes=0\r\n"
                                 "EndYooraHour=3\r\n"
                                 "EndYooraMinutes=0\r\n"
                                 "WindowMode=2\r\n";
    EXPECT_EQ(dir.Read("YorraPDA.ini"), expected);
    EXPECT_EQ(ini.WindowActiveShotCut(), scCtrl | scAlt | 'D');
    EXPECT_TRUE(ini.SoundOnOff());
    EXPECT_EQ(ini.StartYooraHour(), 1.0);
    EXPECT_EQ(ini.WindowMode(), 2);
    EXPECT_EQ(ini.UserAlarmSoundFolder(), p + "UserAlarmSound/");
    // A second start reads the same values and writes nothing.
    TYorraClockIni again(dir.Path(), sound);
    EXPECT_EQ(dir.Read("YorraPDA.ini"), expected);
    EXPECT_EQ(again.KnightAlarmWavFileName(), ini.DefaultKnightAlarmFile());
}

TEST(YorraClockIni, ReadRuleForEmptyAndUnparsableValues) {
    TempFolder dir;
    dir.Write("sounds/my.wav", std::string(Wav, sizeof Wav));
    dir.Write("YorraPDA.ini",
              "[SystemData]\r\nSoundOnOff=0\r\nWindowMode=abc\r\nPlusYooraMin=-30\r\n"
              "StartYooraHour=1.5\r\nEndYooraHour=x\r\nWindowLeft=\r\n"
              "UserAlarmWavFileName=" +
                  dir.Path() +
                  "sounds/my.wav\r\n"
                  "AlarmWavFileName=" +
                  dir.Path() +
                  "deleted.wav\r\n"
                  "AreaName=" +
                  Utf8ToCp932("ダンバートン") + "\r\n");
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    EXPECT_FALSE(ini.SoundOnOff());
    EXPECT_EQ(ini.WindowMode(), 2); // default in memory …
    EXPECT_EQ(ini.EndYooraHour(), 3.0);
    EXPECT_EQ(ini.StartYooraHour(), 1.5);
    EXPECT_EQ(ini.PlusYooraMin(), -30);
    EXPECT_EQ(ini.WindowLeft(), 32);
    EXPECT_EQ(ini.AreaName(), "ダンバートン");
    EXPECT_EQ(ini.UserAlarmWavFileName(), dir.Path() + "sounds/my.wav"); // exists: kept
    EXPECT_EQ(ini.AlarmWavFileName(), ini.DefaultArbeitAlarmFile());     // deleted: repaired
    TIniFile file(ini.FileName());
    EXPECT_EQ(file.ReadString("SystemData", "WindowMode"), "abc"); // … the file keeps abc
    EXPECT_EQ(file.ReadString("SystemData", "EndYooraHour"), "x");
    EXPECT_EQ(file.ReadString("SystemData", "WindowLeft"), "32"); // empty counts as missing
    EXPECT_EQ(file.ReadString("SystemData", "AlarmWavFileName"), ini.DefaultArbeitAlarmFile());
    ini.SetWindowMode(0);
    EXPECT_EQ(TIniFile(ini.FileName()).ReadString("SystemData", "WindowMode"), "0");
}

TEST(YorraClockIni, EmptySoundOnOffMeansOnAndIsWritten) {
    TempFolder dir;
    dir.Write("YorraPDA.ini", "[SystemData]\r\nSoundOnOff=\r\n");
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    EXPECT_TRUE(ini.SoundOnOff());
    EXPECT_EQ(TIniFile(ini.FileName()).ReadString("SystemData", "SoundOnOff"), "1");
}

TEST(YorraClockIni, SettersWriteOnlyChanges) {
    TempFolder dir;
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    const std::string path = ini.FileName();
    // Mark the file so that a rewrite would show.
    TIniFile(path).WriteString("SystemData", "PlusYooraMin", "00");
    ini.SetPlusYooraMin(0);
    EXPECT_EQ(TIniFile(path).ReadString("SystemData", "PlusYooraMin"), "00");
    ini.ResetPlusYooraMin(); // always writes
    EXPECT_EQ(TIniFile(path).ReadString("SystemData", "PlusYooraMin"), "0");
    ini.SetPlusYooraMin(-17);
    ini.SetStartYooraHour(0.5);
    ini.SetEndYooraHour(2);
    ini.SetSoundOnOff(false);
    ini.SetAreaName("イメンマハ");
    TYorraClockIni reread(dir.Path(), sound);
    EXPECT_EQ(reread.PlusYooraMin(), -17);
    EXPECT_EQ(reread.StartYooraHour(), 0.5);
    EXPECT_EQ(reread.EndYooraHour(), 2.0);
    EXPECT_FALSE(reread.SoundOnOff());
    EXPECT_EQ(reread.AreaName(), "イメンマハ");
    EXPECT_EQ(TIniFile(path).ReadString("SystemData", "StartYooraHour"), "0.5");
    EXPECT_EQ(TIniFile(path).ReadString("SystemData", "SoundOnOff"), "0");
}

TEST(YorraClockIni, ShortcutTextIsReadLooselyAndWrittenCanonically) {
    TempFolder dir;
    dir.Write("YorraPDA.ini", "[SystemData]\r\nWindowActiveShotCut=ctrl+alt+d\r\n");
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    EXPECT_EQ(ini.WindowActiveShotCut(), scCtrl | scAlt | 'D');
    ini.SetWindowActiveShotCut(scCtrl | scAlt | 'D'); // same combination: the text stays
    EXPECT_EQ(TIniFile(ini.FileName()).ReadString("SystemData", "WindowActiveShotCut"),
              "ctrl+alt+d");
    ini.SetWindowActiveShotCut(scShift | scCtrl | 0x70);
    EXPECT_EQ(TIniFile(ini.FileName()).ReadString("SystemData", "WindowActiveShotCut"),
              "Shift+Ctrl+F1");
    EXPECT_EQ(ini.WindowActiveShotCut(), scShift | scCtrl | 0x70);
}

TEST(ShortCut, TextConversions) {
    struct {
        TShortCut shortCut;
        const char* text;
    } canonical[] = {
        {scCtrl | scAlt | 'D', "Ctrl+Alt+D"},
        {scShift | 0x08, "Shift+BkSp"},
        {0x09, "Tab"},
        {0x0D, "Enter"},
        {0x1B, "Esc"},
        {0x20, "Space"},
        {0x21, "PgUp"},
        {0x22, "PgDn"},
        {0x23, "End"},
        {0x24, "Home"},
        {0x25, "Left"},
        {0x26, "Up"},
        {0x27, "Right"},
        {0x28, "Down"},
        {0x2D, "Ins"},
        {0x2E, "Del"},
        {'7', "7"},
        {0x87, "F24"},
        {scShift | scCtrl | scAlt | 'Z', "Shift+Ctrl+Alt+Z"},
    };
    for (const auto& c : canonical) {
        EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
        EXPECT_EQ(TextToShortCut(c.text), c.shortCut) << c.text;
    }
    EXPECT_EQ(ShortCutToText(0x65), "5"); // keypad digit shows as the digit …
    EXPECT_EQ(TextToShortCut("5"), '5');  // … and reads back as the first key of that name
    EXPECT_EQ(TextToShortCut("alt+^shift+ctrl+alt+f12"), scShift | scCtrl | scAlt | 0x7B);
    EXPECT_EQ(TextToShortCut("^q"), scCtrl | 'Q');
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+NoSuchKey"), 0);
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(ShortCutToText(0), "");
}

TEST(YorraClockIni, SelectAlarmSoundByPriority) {
    TempFolder dir;
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    struct {
        const char* names;
        const std::string& expected;
    } cases[] = {
        {"アルバイトアラーム\r\n騎士アラーム", ini.KnightAlarmWavFileName()},
        {"騎士アラーム\nフレッタアラーム\nアルバイトアラーム", ini.FurettaAlarmWavFileName()},
        {"騎士アラーム\nユーザーアラーム\nフレッタアラーム", ini.UserAlarmWavFileName()},
        {"", ini.AlarmWavFileName()},
        {"\n", ini.AlarmWavFileName()},
        {"よくわからないアラーム", ini.AlarmWavFileName()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.SelectAlarmSound(c.names), c.expected) << c.names;
    EXPECT_TRUE(TYorraClockIni::IsKnownAlarmName("騎士アラーム"));
    EXPECT_FALSE(TYorraClockIni::IsKnownAlarmName("騎士"));
}

TEST(YorraClockIni, PlaySoundFileStopsThePreviousSoundAndNeverFallsBack) {
    TempFolder dir;
    const std::string wav = dir.Write("ok.wav", std::string(Wav, sizeof Wav));
    const std::string notWav = dir.Write("bad.wav", "not a sound");
    FakeSoundDevice sound;
    TYorraClockIni ini(dir.Path(), sound);
    EXPECT_TRUE(ini.PlaySoundFile(wav));
    EXPECT_FALSE(ini.PlaySoundFile(dir.Path() + "missing.wav"));
    EXPECT_FALSE(ini.PlaySoundFile(notWav));
    EXPECT_EQ(sound.played, std::vector<std::string>{wav});
    EXPECT_EQ(sound.stops, 3); // every call cuts off what is playing
    ini.SetSoundOnOff(false);
    EXPECT_FALSE(ini.PlaySoundFile(wav));
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.stops, 3);
}
