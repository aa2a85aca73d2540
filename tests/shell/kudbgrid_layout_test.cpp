#include "shell/KuDBGridOptions.h"
#include "shell/KuTitleLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(KuTitleLayout, ParsesGroupLines) {
    const auto groups = ParseKuTitleLayout(
        {"0,2,時間", "", "   2, 2 ,前間隔", "\t4,2,後間隔", "   ", "6,1,a,b", "7,0,"});
    const std::vector<TKuTitleGroup> expected{
        {0, 2, "時間"}, {2, 2, "前間隔"}, {4, 2, "後間隔"}, {6, 1, "a,b"}, {7, 0, ""}};
    EXPECT_EQ(groups, expected);
}

TEST(KuTitleLayout, RefusesMalformedLines) {
    for (const char* line : {"0,2", "x,2,時間", "0,,時間", "1.5,2,a", "0", "99999999999,1,a"}) {
        SCOPED_TRACE(line);
        try {
            ParseKuTitleLayout({"0,2,ok", line});
            ADD_FAILURE() << "expected an error";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(line), std::string::npos) << e.what();
        }
    }
}

TEST(KuTitleLayout, RunOfAColumnIsClampedAndFirstLineWins) {
    const std::vector<TKuTitleGroup> groups{
        {-2, 4, "left"}, {1, 3, "overlap"}, {4, 10, "right"}, {3, 0, "empty"}, {3, 1, "three"}};
    struct {
        int column;
        std::optional<TKuTitleRun> run;
    } const cases[] = {
        {0, TKuTitleRun{0, 1, "left"}}, // starts left of column 0: clamped
        {1, TKuTitleRun{0, 1, "left"}}, // first line wins over "overlap"
        {2, TKuTitleRun{1, 3, "overlap"}}, {3, TKuTitleRun{1, 3, "overlap"}}, // "three" comes later
        {4, TKuTitleRun{4, 5, "right"}},                      // clamped to the six columns
        {5, TKuTitleRun{4, 5, "right"}},   {6, std::nullopt}, // no such column
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(FindKuTitleRun(groups, c.column, 6), c.run);
    }
    EXPECT_EQ(FindKuTitleRun({}, 0, 6), std::nullopt);
}

TEST(KuTitleLayout, NegativeTitleHeightReadsMinusOne) {
    EXPECT_EQ(NormalizeKuTitleHeight(-5), -1);
    EXPECT_EQ(NormalizeKuTitleHeight(-1), -1);
    EXPECT_EQ(NormalizeKuTitleHeight(0), 0);
    EXPECT_EQ(NormalizeKuTitleHeight(32), 32);
}

using enum TDBGridOption;
using enum TDBGridOptionKu;

TEST(KuDBGridOptions, DefaultsAndCouplingOfColumnResize) {
    TKuGridOptions o;
    EXPECT_EQ(o.OptionsKu(), (TDBGridOptionsKu{dgxColumnMove, dgxColumnResize}));
    EXPECT_TRUE(o.Options().Contains(dgColumnResize));

    // The windows' choice: neither column moving nor sizing switches column resize off.
    o.SetOptionsKu({dgxBoolCheckBox, dgxNotCtrlDelKey});
    EXPECT_FALSE(o.Options().Contains(dgColumnResize));
    o.SetOptionsKu({dgxColumnMove});
    EXPECT_TRUE(o.Options().Contains(dgColumnResize));

    // Column resize through Options sets or clears both flags, but only when it changes.
    o.SetOptions(TDBGridOptions(o.Options()).Exclude(dgColumnResize));
    EXPECT_EQ(o.OptionsKu(), TDBGridOptionsKu{});
    o.SetOptions(TDBGridOptions(o.Options()).Include(dgColumnResize));
    EXPECT_EQ(o.OptionsKu(), (TDBGridOptionsKu{dgxColumnMove, dgxColumnResize}));
    o.SetOptionsKu({dgxColumnResize});
    o.SetOptions(o.Options());
    EXPECT_EQ(o.OptionsKu(), TDBGridOptionsKu{dgxColumnResize});
}

TEST(KuDBGridOptions, DragSelectionAndMultiSelectGoTogether) {
    TKuGridOptions o;
    o.SetOptionsKu({dgxDragMultiSelect});
    EXPECT_TRUE(o.Options().Contains(dgMultiSelect));
    o.SetOptions(TDBGridOptions(o.Options()).Exclude(dgMultiSelect));
    EXPECT_FALSE(o.OptionsKu().Contains(dgxDragMultiSelect));
}

TEST(KuDBGridOptions, EditingWishIsRememberedWhileCheckBoxesSwitchRealEditingOff) {
    TKuGridOptions o;
    EXPECT_TRUE(o.RealEditing(false, false));
    EXPECT_FALSE(o.RealEditing(true, false));
    EXPECT_FALSE(o.RealEditing(false, true));
    EXPECT_TRUE(o.Options().Contains(dgEditing)); // reads back as requested
    o.SetOptions(TDBGridOptions(o.Options()).Exclude(dgEditing));
    EXPECT_FALSE(o.RealEditing(false, false));

    EXPECT_TRUE(IsKuCheckBoxCell(true, true, {dgxBoolCheckBox}));
    EXPECT_FALSE(IsKuCheckBoxCell(true, true, {}));
    EXPECT_FALSE(IsKuCheckBoxCell(true, false, {dgxBoolCheckBox}));
    EXPECT_FALSE(IsKuCheckBoxCell(false, true, {dgxBoolCheckBox}));
}

TEST(KuDBGridOptions, CheckBoxToggleNeedsAWritableBooleanCell) {
    const TDBGridOptionsKu boxes{dgxBoolCheckBox};
    EXPECT_TRUE(CanToggleKuCheckBox({}, boxes));
    EXPECT_FALSE(CanToggleKuCheckBox({}, {}));
    struct {
        const char* name;
        bool TKuCheckBoxClick::*flag;
        bool value;
    } const blockers[] = {
        {"title or indicator", &TKuCheckBoxClick::OverDataCell, false},
        {"drag selection", &TKuCheckBoxClick::DragSelecting, true},
        {"grid read-only", &TKuCheckBoxClick::GridReadOnly, true},
        {"column read-only", &TKuCheckBoxClick::ColumnReadOnly, true},
        {"no editing wish", &TKuCheckBoxClick::EditingWish, false},
        {"whole-row selection", &TKuCheckBoxClick::RowSelect, true},
        {"not boolean", &TKuCheckBoxClick::BooleanField, false},
        {"field read-only", &TKuCheckBoxClick::FieldModifiable, false},
    };
    for (const auto& b : blockers) {
        SCOPED_TRACE(b.name);
        TKuCheckBoxClick click;
        click.*b.flag = b.value;
        EXPECT_FALSE(CanToggleKuCheckBox(click, boxes));
    }
}
