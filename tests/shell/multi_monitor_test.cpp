#include "shell/MultiMonitorParam.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FakeForm : IMonitorTargetForm {
    bool window = true;
    int failingQueries = 0;
    TMonitorRects rects{{0, 0, 1280, 1024}, {0, 0, 1280, 984}};
    TFormWindowState state = TFormWindowState::wsNormal;
    TMonitorRect bounds{100, 100, 357, 300};
    TFormBorderStyle border = TFormBorderStyle::bsNone;
    std::vector<std::string> calls;
    TMonitorRect maximisedTo;

    bool HasWindow() const override { return window; }
    std::optional<TMonitorRects> QueryMonitor() const override {
        if (failingQueries > 0) {
            --const_cast<FakeForm*>(this)->failingQueries;
            return std::nullopt;
        }
        return rects;
    }
    TFormWindowState WindowState() const override { return state; }
    TMonitorRect Bounds() const override { return bounds; }
    void MoveTo(int left, int top) override {
        bounds = {left, top, left + bounds.Width(), top + bounds.Height()};
    }
    TFormBorderStyle BorderStyle() const override { return border; }
    int FrameWidth() const override { return 4; }
    int FrameHeight() const override { return 3; }
    void ShowMaximized(const TMonitorRect& r) override {
        calls.push_back("maximise");
        maximisedTo = r;
        state = TFormWindowState::wsMaximized;
    }
    void Restore() override {
        calls.push_back("restore");
        state = TFormWindowState::wsNormal;
    }
};

TMaxSizeQuery Answer(TMultiMonitorMaxInfoCalc& calc) {
    TMaxSizeQuery q;
    calc.AnswerMaxInfo(q);
    return q;
}

void ExpectQuery(const TMaxSizeQuery& q, int w, int h, int x, int y) {
    EXPECT_EQ(q.maxWidth, w);
    EXPECT_EQ(q.maxHeight, h);
    EXPECT_EQ(q.maxX, x);
    EXPECT_EQ(q.maxY, y);
}

TEST(ShellMultiMonitor, BottomBandOnTheOnlyMonitor) {
    FakeForm form;
    TMultiMonitorMaxInfoCalc calc(&form);
    calc.SetMaxAlign(maBottom);
    calc.SetMaxSizeY(75);
    ExpectQuery(Answer(calc), 1280, 75, 0, 909);
    calc.SetMaxSizeY(5000); // larger than the work area: the work area's height
    ExpectQuery(Answer(calc), 1280, 984, 0, 0);
}

TEST(ShellMultiMonitor, TopBandOnASecondMonitorIsReportedFromItsCorner) {
    FakeForm form;
    form.rects = {{1280, 0, 2560, 1024}, {1280, 40, 2560, 1024}};
    TMultiMonitorMaxInfoCalc calc(&form);
    calc.SetMaxAlign(maTop);
    calc.SetMaxSizeY(75);
    ExpectQuery(Answer(calc), 1280, 75, 0, 40);
    calc.Maximise();
    EXPECT_EQ(form.maximisedTo, (TMonitorRect{1280, 40, 2560, 115}));
}

TEST(ShellMultiMonitor, EveryAlignment) {
    struct Case {
        TMaxAlign align;
        TFormBorderStyle border;
        int w, h, x, y;
    };
    // Monitor (100, 0)-(1100, 800); work area (100, 30)-(1000, 800); MaxSizeX 300,
    // MaxSizeY 200, MaxPosition (50, 700); frame 4 x 3.
    const Case cases[] = {
        {maTop, TFormBorderStyle::bsNone, 900, 200, 0, 30},
        {maBottom, TFormBorderStyle::bsNone, 900, 200, 0, 600},
        {maLeft, TFormBorderStyle::bsNone, 300, 770, 0, 30},
        {maRight, TFormBorderStyle::bsNone, 300, 770, 600, 30},
        {maClient, TFormBorderStyle::bsNone, 900, 770, 0, 30},
        {maCustom, TFormBorderStyle::bsNone, 300, 70, 50, 730}, // height 770 - 700
        {maNone, TFormBorderStyle::bsNone, 1000, 800, 0, 0},
        {maNone, TFormBorderStyle::bsToolWindow, 1008, 806, -4, -3},
        {maNone, TFormBorderStyle::bsSizeable, 908, 776, -4, 27},
        {maNone, TFormBorderStyle::bsSingle, 908, 776, -4, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align) * 10 + static_cast<int>(c.border));
        FakeForm form;
        form.rects = {{100, 0, 1100, 800}, {100, 30, 1000, 800}};
        form.border = c.border;
        TMultiMonitorMaxInfoCalc calc(&form);
        calc.SetMaxAlign(c.align);
        calc.SetMaxSizeX(300);
        calc.SetMaxSizeY(200);
        calc.SetMaxPositionX(50);
        calc.SetMaxPositionY(700);
        ExpectQuery(Answer(calc), c.w, c.h, c.x, c.y);
    }

    FakeForm form; // a custom offset below the work area leaves an empty band, not a negative one
    TMultiMonitorMaxInfoCalc calc(&form);
    calc.SetMaxSizeY(200);
    calc.SetMaxPositionY(1000);
    EXPECT_EQ(Answer(calc).maxHeight, 0);
}

TEST(ShellMultiMonitor, FitToWorkAreaPullsANormalFormBackIn) {
    FakeForm form;
    form.bounds = {1200, 900, 1457, 1100}; // 257 x 200
    TMultiMonitorMaxInfoCalc calc(&form);
    calc.FitToWorkArea();
    EXPECT_EQ(form.bounds, (TMonitorRect{1023, 784, 1280, 984}));

    form.bounds = {-50, -20, 1950, 80}; // wider than the work area: only the left edge moves
    calc.FitToWorkArea();
    EXPECT_EQ(form.bounds, (TMonitorRect{0, 0, 2000, 100}));

    form.state = TFormWindowState::wsMinimized;
    form.bounds = {-50, -20, 50, 80};
    calc.FitToWorkArea();
    EXPECT_EQ(form.bounds.left, -50);
}

TEST(ShellMultiMonitor, RemaximiseOnlyAMaximisedForm) {
    FakeForm form;
    TMultiMonitorMaxInfoCalc calc(&form);
    calc.SetMaxAlign(maTop); // a normal form stays as it is
    EXPECT_TRUE(form.calls.empty());

    calc.SetMaxSizeY(75);
    calc.Maximise();
    calc.SetMaxSizeY(8);
    calc.Remaximise();
    EXPECT_EQ(form.calls, (std::vector<std::string>{"maximise", "restore", "maximise"}));
    EXPECT_EQ(form.maximisedTo, (TMonitorRect{0, 0, 1280, 8}));

    calc.SetMaxAlign(maBottom); // re-applied at once
    EXPECT_EQ(form.maximisedTo, (TMonitorRect{0, 976, 1280, 984}));
}

TEST(ShellMultiMonitor, Errors) {
    TMultiMonitorMaxInfoCalc calc;
    EXPECT_NO_THROW(calc.SetMaxAlign(maTop)); // nothing to re-apply yet
    TMaxSizeQuery q{1, 2, 3, 4};
    calc.AnswerMaxInfo(q); // no target form: the query is left alone
    ExpectQuery(q, 1, 2, 3, 4);
    try {
        calc.FitToWorkArea();
        FAIL();
    } catch (const ETargetFormIsNotFound& e) {
        EXPECT_STREQ(e.what(), "TargetFormが指定されていません");
    }

    FakeForm form;
    form.window = false;
    calc.SetTargetForm(&form);
    calc.AnswerMaxInfo(q);
    ExpectQuery(q, 1, 2, 3, 4);
    try {
        calc.GetMonitorRects();
        FAIL();
    } catch (const ETargetFormIsNotFound& e) {
        EXPECT_STREQ(e.what(), "TargetFormで指定したフォームが存在されていません");
    }

    form.window = true;
    calc.SetMaxAlign(static_cast<TMaxAlign>(7));
    try {
        calc.AnswerMaxInfo(q);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "MaxAlignのエラーです\r\n"
                               "プログラミングエラーです、開発者にお問い合わせください");
    }

    form.failingQueries = 1; // a second try succeeds
    EXPECT_EQ(calc.GetMonitorRects().Work, form.rects.Work);
    form.failingQueries = 2;
    try {
        calc.GetMonitorRects();
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("GetMonitorInfo"), std::string::npos);
    }
}

} // namespace
