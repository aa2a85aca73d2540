#include "shell/KuDBGridColors.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

constexpr TKuColor StripeC{255, 255, 160};
constexpr TKuColor CrossC{166, 202, 240};
constexpr TKuColor StripeSel{1, 1, 1};
constexpr TKuColor StripeMark{2, 2, 2};
constexpr TKuColor Sel{3, 3, 3};
constexpr TKuColor Mark{4, 4, 4};

struct TColorCase {
    const char* name;
    TKuCellState cell;
    TStripeRowColors stripe;
    TSelectRowColors select;
    TKuCellLook expected;
};

TKuCellState Plain(int recNo, bool gridColor = true) {
    TKuCellState s;
    s.RecNo = recNo;
    s.ColumnHasGridColor = gridColor;
    return s;
}

TKuCellState Selected(int recNo, bool focused, bool always, bool multi = false) {
    TKuCellState s = Plain(recNo);
    s.SelectedCell = true;
    s.Focused = focused;
    s.AlwaysShowSelection = always;
    s.MultiSelectedRow = multi;
    return s;
}

TKuCellState MultiRow(int recNo) {
    TKuCellState s = Plain(recNo);
    s.MultiSelectedRow = true;
    return s;
}

TKuCellState Closed(TKuCellState s) {
    s.TableOpen = false;
    return s;
}

const TStripeRowColors BothStripes{StripeC, CrossC, {}, {}};
const TStripeRowColors OnlyColor{StripeC, {}, {}, {}};
const TStripeRowColors OnlyCrosses{{}, CrossC, {}, {}};
const TStripeRowColors AllStripe{StripeC, CrossC, StripeSel, StripeMark};
const TSelectRowColors AllSelect{Sel, Mark};

const TColorCase Cases[] = {
    // Plain look: stripes on even rows only, by the column's own colour.
    {"first row never striped", Plain(1), BothStripes, {}, {false, {}}},
    {"odd row not striped", Plain(3, false), BothStripes, {}, {false, {}}},
    {"grid-colour column takes Color", Plain(2), BothStripes, {}, {false, StripeC}},
    {"own-colour column takes CrossesColor", Plain(4, false), BothStripes, {}, {false, CrossC}},
    {"only Color: grid-colour column striped", Plain(2), OnlyColor, {}, {false, StripeC}},
    {"only Color: own-colour column keeps its colour", Plain(2, false), OnlyColor, {}, {false, {}}},
    {"only CrossesColor: own-colour column striped",
     Plain(2, false),
     OnlyCrosses,
     {},
     {false, CrossC}},
    {"only CrossesColor: grid-colour column no stripe", Plain(2), OnlyCrosses, {}, {false, {}}},
    {"no stripe colours, select colours do not stripe", Plain(2), {}, AllSelect, {false, {}}},
    {"closed table not striped", Closed(Plain(2)), BothStripes, {}, {false, {}}},
    // Selected look needs focus or always-show-selection; otherwise the plain look.
    {"unfocused selection hidden shows stripe",
     Selected(2, false, false),
     AllStripe,
     AllSelect,
     {false, StripeC}},
    {"focused selection, no select colours: platform look",
     Selected(2, true, false),
     BothStripes,
     {},
     {true, {}}},
    {"always-shown selection on plain row",
     Selected(1, false, true),
     AllStripe,
     AllSelect,
     {true, Sel}},
    {"selected on striped row takes stripe SelectColor",
     Selected(2, true, false),
     AllStripe,
     AllSelect,
     {true, StripeSel}},
    {"selected on striped row falls back to SelectRowColors",
     Selected(2, true, false),
     BothStripes,
     AllSelect,
     {true, Sel}},
    {"selected on plain row ignores BookMarkColor",
     Selected(3, true, false),
     {},
     {{}, Mark},
     {true, {}}},
    // Multi-selected rows.
    {"multi-selected plain row takes BookMarkColor",
     MultiRow(1),
     AllStripe,
     AllSelect,
     {true, Mark}},
    {"multi-selected plain row falls back to SelectColor", MultiRow(1), {}, {Sel, {}}, {true, Sel}},
    {"multi-selected striped row takes stripe BookMarkColor",
     MultiRow(2),
     AllStripe,
     AllSelect,
     {true, StripeMark}},
    {"multi-selected striped row then stripe SelectColor",
     MultiRow(2),
     {StripeC, CrossC, StripeSel, {}},
     AllSelect,
     {true, StripeSel}},
    {"multi-selected striped row then SelectRowColors.BookMarkColor",
     MultiRow(2),
     BothStripes,
     AllSelect,
     {true, Mark}},
    {"multi-selected striped row does not reach SelectRowColors.SelectColor",
     MultiRow(2),
     BothStripes,
     {Sel, {}},
     {true, {}}},
    {"selected cell of multi-selected row is multi-selected",
     Selected(2, true, false, true),
     AllStripe,
     AllSelect,
     {true, StripeMark}},
    {"closed table keeps the platform's selected look",
     Closed(Selected(2, true, true)),
     AllStripe,
     AllSelect,
     {true, {}}},
};

} // namespace

TEST(KuDBGridColors, CellLookFollowsTheRules) {
    for (const TColorCase& c : Cases) {
        SCOPED_TRACE(c.name);
        const TKuCellLook look = DecideKuCellLook(c.cell, c.stripe, c.select);
        EXPECT_EQ(look.SelectedLook, c.expected.SelectedLook);
        EXPECT_EQ(look.Fill, c.expected.Fill);
    }
}

TEST(KuDBGridColors, StripesFollowTheRowNumberOfTheView) {
    // The same record shown third in the full view and second after a filter: striped only in
    // the filtered view, since the number is its position in the view shown.
    EXPECT_FALSE(DecideKuCellLook(Plain(3), BothStripes, {}).Fill);
    EXPECT_EQ(DecideKuCellLook(Plain(2), BothStripes, {}).Fill, StripeC);
    for (int recNo = 1; recNo <= 6; ++recNo)
        EXPECT_EQ(IsKuStripeRow(recNo), recNo % 2 == 0) << recNo;
}

TEST(KuDBGridColors, StripeColourWithoutStripeColoursIsAProgrammingError) {
    try {
        KuStripeColor({}, true);
        FAIL() << "expected an error";
    } catch (const std::logic_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "ColorとCrossesColorが設定されていない状態で\r\nその処理を実行しようとした"
                  "エラーです\r\nプログラミングエラーです、開発者にお問い合わせください");
    }
    EXPECT_EQ(KuStripeColor(OnlyCrosses, false), CrossC);
}
