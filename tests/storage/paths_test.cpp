#include "storage/CommaText.h"
#include "storage/Cp932.h"
#include "storage/YorraClockPathAndFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct FixedFolders : IUserFolders {
    std::string desktop, documents;
    std::string DesktopFolder() const override { return desktop; }
    std::string DocumentsFolder() const override { return documents; }
};

using Lines = std::vector<std::string>;

} // namespace

TEST(YorraClockPathAndFile, FixedPathsLieBelowTheProgramFolder) {
    FixedFolders folders;
    folders.desktop = "/home/u/Desktop";
    folders.documents = "/home/u/Documents";
    TYorraClockPathAndFile paths("/opt/yorra", folders); // a missing "/" is added
    EXPECT_EQ(paths.GetScheduleFileName(), "/opt/yorra/YorraPDA13.xml");
    EXPECT_EQ(paths.GetScheduleDefaultFileName(), "/opt/yorra/DefaultDB/YorraPDA13.xml");
    EXPECT_EQ(paths.GetMemoFileName(), "/opt/yorra/YorraPDAMemo17.xml");
    EXPECT_EQ(paths.GetMemoDefaultFileName(), "/opt/yorra/DefaultDB/YorraPDAMemo17.xml");
    EXPECT_EQ(paths.GetAddressFileName(), "/opt/yorra/YorraPDAAddres4.xml");
    EXPECT_EQ(paths.GetAddressDefaultFileName(), "/opt/yorra/DefaultDB/YorraPDAAddres4.xml");
    EXPECT_EQ(paths.GetSoulStreamFileName(), "/opt/yorra/YorraPDASoulStream.xml");
    EXPECT_EQ(paths.GetMoonGateFileName(), "/opt/yorra/PeriodicData/YorraPDAGate5.ini");
    EXPECT_EQ(paths.GetMoonGateBackupFileName(), "/opt/yorra/PeriodicData/YorraPDAGateBackUp5.ini");
    EXPECT_EQ(paths.GetPriceFileName(), "/opt/yorra/PeriodicData/YorraPDAPrice.ini");
    EXPECT_EQ(paths.GetPriceBackupFileName(), "/opt/yorra/PeriodicData/YorraPDAPriceBackUp.ini");
    EXPECT_EQ(paths.GetMapFolder(), "/opt/yorra/Map/");
    EXPECT_EQ(paths.GetMapIniFileName(), "/opt/yorra/Map/Map.ini");
    EXPECT_EQ(paths.GetImageFileSaveIniFileName(), "/opt/yorra/ImageFileSave.ini");
    EXPECT_EQ(paths.GetDesktopFolder(), "/home/u/Desktop/");
    EXPECT_EQ(paths.GetScreenShotFolder(), "/home/u/Documents/マビノギ/スクリーンショット/");
    folders.documents.clear(); // an unknown folder keeps the fixed tail
    EXPECT_EQ(paths.GetScreenShotFolder(), "/マビノギ/スクリーンショット/");
    EXPECT_EQ(TYorraClockPathAndFile::GetProgramFolder().back(), '/');
}

TEST(YorraClockPathAndFile, FallBackSearchesFindTheNewestEarlierFile) {
    TempFolder dir;
    FixedFolders folders;
    TYorraClockPathAndFile paths(dir.Path(), folders);
    EXPECT_EQ(paths.FindOldScheduleFileName(), "");
    dir.Write("YorraPDA.xml", "x");
    dir.Write("YorraPDA12.xml", "x");
    dir.Write("YorraPDA13.xml", "x");           // the current file is not an earlier one
    dir.Write("DefaultDB/YorraPDA11.xml", "x"); // only the program folder is searched
    EXPECT_EQ(paths.FindOldScheduleFileName(), dir.Path() + "YorraPDA12.xml");
    EXPECT_EQ(paths.GetOldScheduleDefaultFileName(), dir.Path() + "OldDefaultDB/YorraPDA12.xml");

    dir.Write("YorraPDAMemo.xml", "x");
    EXPECT_EQ(paths.FindOldMemoFileName(), dir.Path() + "YorraPDAMemo.xml");
    EXPECT_EQ(paths.FindPreMapChangeMemoFileName(), "");
    dir.Write("YorraPDAMemo11.xml", "x");
    dir.Write("YorraPDAMemo16.xml", "x");
    EXPECT_EQ(paths.FindOldMemoFileName(), dir.Path() + "YorraPDAMemo16.xml");
    EXPECT_EQ(paths.FindPreMapChangeMemoFileName(), dir.Path() + "YorraPDAMemo11.xml");
    EXPECT_EQ(paths.GetOldMemoDefaultFileName(), dir.Path() + "OldDefaultDB/YorraPDAMemo16.xml");

    dir.Write("YorraPDAAddres2.xml", "x");
    EXPECT_EQ(paths.FindOldAddressFileName(), dir.Path() + "YorraPDAAddres2.xml");
    EXPECT_EQ(paths.GetOldAddressDefaultFileName(),
              dir.Path() + "OldDefaultDB/YorraPDAAddres2.xml");
}

TEST(YorraClockPathAndFile, MapLookupsWalkUntilTheFirstMissingArea) {
    TempFolder dir;
    dir.Write("Map/Map.ini",
              Utf8ToCp932("[Map1]\r\nAreaName=Tir\r\nContinentName=Uladh\r\nX=10\r\nY=20\r\n"
                          "TopArea=Dunbarton,\"North Gate\",5,6,Tir,,1,2\r\n"
                          "GridStartX=1\r\nGridStartY=2\r\nGridWidth=30\r\nGridHeight=40\r\n"
                          "[Map2]\r\nAreaName=Dunbarton\r\nContinentName=uladh\r\n"
                          "[Map3]\r\nContinentName=Iria\r\n"
                          "[Map4]\r\nAreaName=Qilla\r\nContinentName=Iria\r\n"
                          "[Map5]\r\nAreaName=ＴＩＲ\r\nContinentName=ｕｌａｄｈ\r\n"));
    FixedFolders folders;
    TYorraClockPathAndFile paths(dir.Path(), folders);
    EXPECT_EQ(paths.GetContinentNames(), "Uladh"); // Map3 has no area: Map4 is never seen
    EXPECT_EQ(paths.GetAreaNames("ULADH"), "Dunbarton\r\nTir");
    EXPECT_EQ(paths.GetAreaNames("Iria"), "");

    std::string continent = "?";
    int x = -1, y = -1;
    paths.GetAreaPosition("tir", continent, x, y);
    EXPECT_EQ(continent, "Uladh");
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    paths.GetAreaPosition("Qilla", continent, x, y);
    EXPECT_EQ(continent, "");
    EXPECT_EQ(x, 0);

    Lines top, bottom{"kept"}, left, right;
    paths.GetAreaNeighbours("TIR", top, bottom, left, right);
    EXPECT_EQ(top, (Lines{"Dunbarton", "North Gate", "5", "6", "Tir", "", "1", "2"}));
    EXPECT_EQ(bottom, Lines{});
    Lines untouched{"kept"};
    paths.GetAreaNeighbours("Nowhere", untouched, bottom, left, right);
    EXPECT_EQ(untouched, Lines{"kept"});

    int gx, gy, gw, gh;
    paths.GetAreaGrid("Tir", gx, gy, gw, gh);
    EXPECT_EQ((std::vector<int>{gx, gy, gw, gh}), (std::vector<int>{1, 2, 30, 40}));
    paths.GetAreaGrid("Dunbarton", gx, gy, gw, gh);
    EXPECT_EQ((std::vector<int>{gx, gy, gw, gh}), (std::vector<int>{0, 0, 0, 0}));
}

TEST(YorraClockPathAndFile, FullWidthLettersCompareWithoutCaseAndDuplicatesAppearOnce) {
    TempFolder dir;
    dir.Write("Map/Map.ini", Utf8ToCp932("[Map1]\r\nAreaName=ｔｉｒ\r\nContinentName=ウラ\r\n"
                                         "[Map2]\r\nAreaName=ＴＩＲ\r\nContinentName=ウラ\r\n"
                                         "[Map3]\r\nAreaName=abc\r\n"));
    FixedFolders folders;
    TYorraClockPathAndFile paths(dir.Path(), folders);
    EXPECT_EQ(paths.GetAreaNames("ウラ"), "ｔｉｒ");
    EXPECT_EQ(paths.GetContinentNames(), "\r\nウラ"); // a section without a continent gives ""
    std::string continent;
    int x, y;
    paths.GetAreaPosition("Ｔｉｒ", continent, x, y);
    EXPECT_EQ(continent, "ウラ");
}

TEST(YorraClockPathAndFile, MissingMapListReadsEmpty) {
    TempFolder dir;
    FixedFolders folders;
    TYorraClockPathAndFile paths(dir.Path(), folders);
    EXPECT_EQ(paths.GetContinentNames(), "");
    int gx = 9, gy = 9, gw = 9, gh = 9;
    paths.GetAreaGrid("Tir", gx, gy, gw, gh);
    EXPECT_EQ(gx + gy + gw + gh, 0);
}

TEST(YorraClockPathAndFile, ListsSplitIntoTheirValues) {
    EXPECT_EQ(SplitListLines(""), Lines{});
    EXPECT_EQ(SplitListLines("a"), Lines{"a"});
    EXPECT_EQ(SplitListLines("\r\nウラ\r\nIria"), (Lines{"", "ウラ", "Iria"}));
}

TEST(CommaText, SplitsFieldsByTheCommaRule) {
    struct {
        const char* text;
        Lines fields;
    } cases[] = {
        {"", {}},
        {"a,b", {"a", "b"}},
        {"  a , b  ", {"a", "b"}},
        {"a b", {"a", "b"}},
        {"target,,10,20", {"target", "", "10", "20"}},
        {"a,", {"a", ""}},
        {"\"North Gate\",x", {"North Gate", "x"}},
        {"\"say \"\"hi\"\"\",y", {"say \"hi\"", "y"}},
        {"\"unterminated", {"unterminated"}},
        {"表,ソ", {"表", "ソ"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommaText(c.text), c.fields) << c.text;
}
