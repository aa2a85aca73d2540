#include "app/MainLayout.h"

#include <gtest/gtest.h>

TEST(MainLayout, GeometryOfEveryLayout) {
    const TMainLayout tall = ComputeMainLayout(wmTall, 1280);
    EXPECT_EQ(tall.clientWidth, 257);
    EXPECT_EQ(tall.clientHeight, 200);
    EXPECT_EQ(tall.kieruPanel, (TLayoutRect{0, 0, 257, 18}));
    EXPECT_EQ(tall.paramPanel, (TLayoutRect{0, 18, 257, 57}));
    EXPECT_EQ(tall.list, (TLayoutRect{0, 75, 257, 125}));
    EXPECT_EQ(tall.columns, 1);
    EXPECT_EQ(tall.kieruCaption, "");
    EXPECT_EQ(tall.kieruHint, "どっか行きたい");

    const TMainLayout wide = ComputeMainLayout(wmWide, 1280);
    EXPECT_EQ(wide.clientWidth, 514);
    EXPECT_EQ(wide.clientHeight, 75);
    EXPECT_EQ(wide.paramPanel, (TLayoutRect{0, 18, 257, 57}));
    EXPECT_EQ(wide.list, (TLayoutRect{257, 18, 257, 57}));
    EXPECT_EQ(wide.columns, 1);

    const TMainLayout bottom = ComputeMainLayout(wmDockBottom, 1280);
    EXPECT_EQ(bottom.clientHeight, 75);
    EXPECT_EQ(bottom.kieruPanel, (TLayoutRect{0, 57, 1280, 18})); // on the screen-edge side
    EXPECT_EQ(bottom.paramPanel, (TLayoutRect{1023, 0, 257, 57}));
    EXPECT_EQ(bottom.list, (TLayoutRect{0, 0, 1023, 57}));
    EXPECT_EQ(bottom.columns, 4);
    EXPECT_EQ(bottom.kieruCaption, "6");
    EXPECT_EQ(bottom.kieruHint, "こそこそ隠れる");

    const TMainLayout top = ComputeMainLayout(wmDockTop, 1000);
    EXPECT_EQ(top.kieruPanel, (TLayoutRect{0, 0, 1000, 18}));
    EXPECT_EQ(top.paramPanel, (TLayoutRect{0, 18, 257, 57}));
    EXPECT_EQ(top.list, (TLayoutRect{257, 18, 743, 57}));
    EXPECT_EQ(top.columns, 2);
    EXPECT_EQ(top.kieruCaption, "5");

    const TMainLayout collapsed = ComputeMainLayout(wmDockTop, 1000, true);
    EXPECT_EQ(collapsed.clientHeight, 8);
    EXPECT_EQ(collapsed.kieruPanel, (TLayoutRect{0, 0, 1000, 8}));
    EXPECT_EQ(collapsed.list.width, 0);
    EXPECT_EQ(collapsed.paramPanel.width, 0);

    EXPECT_EQ(ListColumns(100), 1); // at least one column
    EXPECT_EQ(ListColumns(499), 1);
    EXPECT_EQ(ListColumns(500), 2);
}

TEST(MainLayout, SnapsToWorkAreaEdgesWithinTenPixels) {
    struct {
        int x, y, ex, ey;
    } cases[] = {
        {10, 10, 0, 0},
        {11, 11, 11, 11},
        {1280 - 257 - 10, 500, 1023, 500},
        {1280 - 257 - 11, 500, 1012, 500},
        {-8, 984 - 200 + 9, 0, 784},
    };
    for (const auto& c : cases) {
        TSnapPoint p = SnapToEdges(c.x, c.y, 257, 200, 0, 0, 1280, 984);
        EXPECT_EQ(p.x, c.ex) << c.x;
        EXPECT_EQ(p.y, c.ey) << c.y;
    }
}
