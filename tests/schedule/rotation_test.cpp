#include "schedule/RotationList.h"
#include "storage/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(RotationList, ReadStopsAtTheFirstGapAndAfter100) {
    TempFolder dir;
    const std::string gaps = dir.Write(
        "gate.ini", "[MoonGate]\r\nGate1=A\r\nGate2=B\r\nGate4=D\r\n[Price]\r\nPosition1=P\r\n");
    EXPECT_EQ(ReadRotationFile(gaps, MoonGateRotation), (Lines{"A", "B"}));
    EXPECT_EQ(ReadRotationFile(gaps, PriceRotation), (Lines{"P"}));
    EXPECT_EQ(ReadRotationFile(dir.Path() + "missing.ini", MoonGateRotation), Lines{});

    std::string many = "[Price]\r\n";
    for (int i = 1; i <= 120; ++i)
        many += "Position" + std::to_string(i) + "=p" + std::to_string(i) + "\r\n";
    EXPECT_EQ(ReadRotationFile(dir.Write("price.ini", many), PriceRotation).size(), 100u);
}

TEST(RotationList, ShrinkingKeepsOldKeysButTheNextReadStopsAtTheDeletedOne) {
    TempFolder dir;
    const std::string file = dir.Path() + "gate.ini";
    Lines ten;
    for (int i = 1; i <= 10; ++i)
        ten.push_back("G" + std::to_string(i));
    WriteRotationFile(file, MoonGateRotation, ten);
    Lines seven(ten.begin(), ten.begin() + 7);
    WriteRotationFile(file, MoonGateRotation, seven);
    TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("MoonGate", "Gate8", "deleted"), "deleted");
    EXPECT_EQ(ini.ReadString("MoonGate", "Gate9"), "G9");
    EXPECT_EQ(ini.ReadString("MoonGate", "Gate10"), "G10");
    EXPECT_EQ(ReadRotationFile(file, MoonGateRotation), seven);
    // An empty line ends the list on the next read.
    WriteRotationFile(file, MoonGateRotation, {"X", "", "Z"});
    EXPECT_EQ(ReadRotationFile(file, MoonGateRotation), Lines{"X"});
}

TEST(RotationList, LookupTakesTheIndexModuloTheConfirmedList) {
    TempFolder dir;
    const std::string gate =
        dir.Write("gate.ini", "[MoonGate]\r\nGate1=A\r\nGate2=B\r\nGate3=C\r\n");
    const std::string price = dir.Write("price.ini", "[Price]\r\nPosition1=P\r\nPosition2=Q\r\n");
    TRotationList moonGate(gate, MoonGateRotation), merchant(price, PriceRotation);
    moonGate.SetIndex(7);
    merchant.SetIndex(7);
    EXPECT_EQ(moonGate.GetCurrentEntry(), "B");
    EXPECT_EQ(merchant.GetCurrentEntry(), "Q");
    EXPECT_FALSE(moonGate.ReloadNeeded());

    // The file changes; only the list whose edit was confirmed reads it again.
    WriteRotationFile(gate, MoonGateRotation, {"X", "Y"});
    WriteRotationFile(price, PriceRotation, {"R"});
    EXPECT_EQ(moonGate.GetCurrentEntry(), "B");
    moonGate.SetReloadNeeded();
    EXPECT_EQ(moonGate.GetCurrentEntry(), "Y");
    EXPECT_EQ(merchant.GetCurrentEntry(), "Q");

    TRotationList empty(dir.Path() + "missing.ini", MoonGateRotation);
    empty.SetIndex(5);
    EXPECT_EQ(empty.GetCurrentEntry(), "");
}

TEST(RotationEditor, CommandsMoveRowsAndSelection) {
    TRotationEditor e;
    e.Load({"A", "B", "C"}, 7);
    EXPECT_EQ(e.Selected(), 1);
    EXPECT_EQ(e.MarkRow(7), 1);

    e.AllUp();
    EXPECT_EQ(e.Rows(), (Lines{"B", "C", "A"}));
    EXPECT_EQ(e.Selected(), 1); // the selected row number stays
    EXPECT_EQ(e.Rows()[e.MarkRow(7)], "C");
    e.AllDown();
    e.AllDown();
    EXPECT_EQ(e.Rows(), (Lines{"C", "A", "B"}));

    e.Select(0);
    e.Up(); // already first
    EXPECT_EQ(e.Rows(), (Lines{"C", "A", "B"}));
    e.Down();
    EXPECT_EQ(e.Rows(), (Lines{"A", "C", "B"}));
    EXPECT_EQ(e.Selected(), 1);
    e.Select(2);
    e.Down(); // already last
    EXPECT_EQ(e.Selected(), 2);

    e.Add();
    EXPECT_EQ(e.Rows(), (Lines{"A", "C", "B", ""}));
    EXPECT_EQ(e.Selected(), 3);
    e.SetTopRow(3);
    EXPECT_TRUE(e.Delete()); // deleting the last row selects the new last row
    EXPECT_EQ(e.Selected(), 2);
    EXPECT_EQ(e.TopRow(), 2);
    e.MoveRow(0, 2);
    EXPECT_EQ(e.Rows(), (Lines{"C", "B", "A"}));
    EXPECT_TRUE(e.Delete());
    EXPECT_TRUE(e.Delete());
    EXPECT_FALSE(e.Delete()); // one row is left
    EXPECT_EQ(e.Rows(), Lines{"C"});

    e.Load({}, 3); // an empty list shows one empty row
    EXPECT_EQ(e.Rows(), Lines{""});
    EXPECT_EQ(e.Selected(), 0);
}
