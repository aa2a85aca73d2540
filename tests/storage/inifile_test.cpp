#include "storage/Cp932.h"
#include "storage/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

TEST(IniFile, ReadsNamesWithoutCaseAndTrimsValues) {
    TempFolder dir;
    const std::string path =
        dir.Write("a.ini", "; comment\r\n[System]\r\n  Key =  value with blanks  \r\n"
                           "Other=1\r\n[system]\r\nKey=second section\r\n"
                           "[Next]\nkey=lf line\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("SYSTEM", "key"), "value with blanks");
    EXPECT_EQ(ini.ReadInteger("system", "other"), 1);
    EXPECT_EQ(ini.ReadString("next", "KEY"), "lf line");
    EXPECT_EQ(ini.ReadString("System", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadInteger("System", "Key", 7), 7); // not a number
    EXPECT_TRUE(ini.SectionExists("NEXT"));
    EXPECT_FALSE(ini.SectionExists("None"));
    EXPECT_EQ(TIniFile(dir.Path() + "missing.ini").ReadString("a", "b", "x"), "x");
}

TEST(IniFile, WritesInPlaceAndKeepsEveryOtherLine) {
    TempFolder dir;
    const std::string original = "; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny = 2\r\n;note\r\n";
    const std::string path = dir.Write("a.ini", original);
    TIniFile ini(path);
    ini.WriteString("b", "Y", "3");
    EXPECT_EQ(dir.Read("a.ini"), "; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\nY=3\r\n;note\r\n");
    ini.WriteString("A", "z", "new");     // a new key goes to the end of its section
    ini.WriteString("C", "w", "section"); // a new section goes to the end of the file
    EXPECT_EQ(
        dir.Read("a.ini"),
        "; keep me\r\n[A]\r\nx=1\r\nz=new\r\n\r\n[B]\r\nY=3\r\n;note\r\n[C]\r\nw=section\r\n");
    ini.DeleteKey("a", "X");
    EXPECT_EQ(ini.ReadString("A", "x", "gone"), "gone");
    EXPECT_EQ(ini.ReadString("A", "z"), "new");
    ini.WriteString("C", "w", "line\r\nbreak");
    EXPECT_EQ(TIniFile(path).ReadString("C", "w"), "line  break");
}

TEST(IniFile, FirstWriteCreatesTheFileAndTextIsCp932) {
    TempFolder dir;
    TIniFile ini(dir.Path() + "new.ini");
    ini.WriteString("SystemData", "AreaName", "ティルコネイル");
    EXPECT_EQ(dir.Read("new.ini"),
              "[SystemData]\r\nAreaName=" + Utf8ToCp932("ティルコネイル") + "\r\n");
    EXPECT_EQ(TIniFile(dir.Path() + "new.ini").ReadString("systemdata", "areaname"),
              "ティルコネイル");
}

TEST(IniFile, ValuesAreCutAt2047BytesNeverInsideACharacter) {
    TempFolder dir;
    const std::string ascii(3000, 'a');
    // 2046 ASCII bytes then a two-byte character: the character does not fit and is dropped.
    const std::string mixed = std::string(2046, 'b') + Utf8ToCp932("表") + "tail";
    const std::string path = dir.Write("a.ini", "[S]\r\na=" + ascii + "\r\nb=" + mixed + "\r\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "a"), std::string(2047, 'a'));
    EXPECT_EQ(ini.ReadString("S", "b"), std::string(2046, 'b'));
}

TEST(IniFile, WriteFailureLeavesTheFileAndReports) {
    TempFolder dir;
    TIniFile ini(dir.Path() + "no-such-folder/a.ini");
    EXPECT_THROW(ini.WriteString("S", "k", "v"), std::runtime_error);
}

TEST(IniFile, ParsesOnlyWholeIntegers) {
    struct {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{"12", true, 12},  {"-7", true, -7},  {"+5", true, 5},          {"", false, 0},
                 {"1.5", false, 0}, {"abc", false, 0}, {"2147483648", false, 0}, {"+-1", false, 0},
                 {"--1", false, 0}, {"12 ", false, 0}};
    for (const auto& c : cases) {
        int value = 0;
        EXPECT_EQ(ParseInteger(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value);
        }
    }
}
