#include "shell/ShineButtonState.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using S = TShineState;

// A button host that records what the rules asked for; buttons sharing a `siblings` list form
// the controls of one parent.
struct FakeButton : IShineButtonHost {
    explicit FakeButton(std::vector<FakeButton*>* siblings = nullptr) : siblings(siblings) {
        if (siblings)
            siblings->push_back(this);
    }
    void Repaint() override { ++repaints; }
    void Click() override {
        ++clicks;
        stateDuringClick = button.State();
    }
    void StartHoverTimer() override { timer = true; }
    void StopHoverTimer() override { timer = false; }
    void BroadcastButtonPressed(int groupIndex) override {
        if (siblings)
            for (FakeButton* b : *siblings)
                b->button.ButtonPressed(groupIndex, button);
    }

    std::vector<FakeButton*>* siblings;
    TShineButtonState button{*this};
    int repaints = 0;
    int clicks = 0;
    S stateDuringClick = S::ssUp;
    bool timer = false;

    // A full click with the pointer staying over a 25 x 25 button.
    void ClickInside() {
        button.MouseEnter();
        button.LeftButtonDown();
        button.LeftButtonUp(10, 10, 25, 25, true);
    }
};

TEST(ShineButtonState, ButtonInNoGroupNeverStaysDown) {
    FakeButton b;
    b.ClickInside();
    EXPECT_EQ(b.clicks, 1);
    EXPECT_FALSE(b.button.Down());
    EXPECT_EQ(b.button.State(), S::ssHot); // up, then hot again: the pointer is still over it
    EXPECT_TRUE(b.button.Hot());

    b.button.SetDown(true); // Down means nothing outside a group
    EXPECT_FALSE(b.button.Down());

    b.button.LeftButtonDown();
    b.button.LeftButtonUp(24, 0, 25, 25, false); // edge pixels count as inside for the release
    EXPECT_EQ(b.clicks, 2);
    EXPECT_EQ(b.button.State(), S::ssUp);
    EXPECT_FALSE(b.button.Hot());
}

TEST(ShineButtonState, GroupWithoutAllowAllUpKeepsOneButtonDown) {
    std::vector<FakeButton*> parent;
    FakeButton a(&parent), b(&parent), other(&parent);
    a.button.SetGroupIndex(1);
    b.button.SetGroupIndex(1);
    other.button.SetGroupIndex(2);
    other.ClickInside();
    ASSERT_TRUE(other.button.Down());

    a.ClickInside();
    EXPECT_TRUE(a.button.Down());
    EXPECT_EQ(a.button.State(), S::ssDown);

    a.button.MouseLeave();
    a.ClickInside(); // clicking a down button leaves it down
    EXPECT_TRUE(a.button.Down());
    EXPECT_EQ(a.clicks, 2);

    b.ClickInside(); // another button of the group raises the first
    EXPECT_TRUE(b.button.Down());
    EXPECT_FALSE(a.button.Down());
    EXPECT_EQ(a.button.State(), S::ssUp);
    EXPECT_TRUE(other.button.Down()); // a different group is left alone

    b.button.SetDown(false); // cannot be raised by itself
    EXPECT_TRUE(b.button.Down());
}

TEST(ShineButtonState, GroupWithAllowAllUpTogglesAndPassesTheSettingOn) {
    std::vector<FakeButton*> parent;
    FakeButton a(&parent), b(&parent);
    a.button.SetGroupIndex(3);
    b.button.SetGroupIndex(3);
    b.button.SetDown(true);
    a.button.SetAllowAllUp(true);

    a.button.SetDown(true);
    EXPECT_TRUE(a.button.Down());
    EXPECT_FALSE(b.button.Down());
    EXPECT_TRUE(b.button.AllowAllUp()); // taken over from the sender

    b.button.SetDown(true);
    a.ClickInside(); // with AllowAllUp a down button can be raised alone
    ASSERT_TRUE(a.button.Down());
    a.button.MouseLeave();
    a.ClickInside();
    EXPECT_FALSE(a.button.Down());
    EXPECT_EQ(a.button.State(), S::ssUp);
}

TEST(ShineButtonState, DraggingOutAndBackShowsUpOrDownThenPressed) {
    struct Case {
        bool down;
        S outside;
    };
    for (Case c : {Case{false, S::ssUp}, Case{true, S::ssDown}}) {
        SCOPED_TRACE(c.down);
        FakeButton b;
        b.button.SetGroupIndex(c.down ? 1 : 0);
        b.button.SetAllowAllUp(true);
        b.button.SetDown(c.down);
        b.button.MouseEnter();
        b.button.LeftButtonDown();
        EXPECT_EQ(b.button.State(), S::ssPressedHot);

        b.button.MouseMove(30, 10, 25, 25, false);
        EXPECT_EQ(b.button.State(), c.outside);
        b.button.MouseMove(0, 10, 25, 25, true); // the border is not strictly inside
        EXPECT_EQ(b.button.State(), c.outside);
        b.button.MouseLeave(); // ignored while pressing
        EXPECT_TRUE(b.button.Hot());
        b.button.MouseMove(12, 12, 25, 25, true);
        EXPECT_EQ(b.button.State(), S::ssPressedHot);

        b.button.MouseMove(-3, 12, 25, 25, false);
        b.button.LeftButtonUp(-3, 12, 25, 25, false);
        EXPECT_EQ(b.clicks, 0);
        EXPECT_FALSE(b.button.Pressing());
        EXPECT_EQ(b.button.Down(), c.down);
    }
}

TEST(ShineButtonState, EnterLeaveAndHoverTimer) {
    FakeButton b;
    b.button.MouseEnter(true); // pointer captured elsewhere
    EXPECT_FALSE(b.button.Hot());

    b.button.MouseMove(5, 5, 25, 25, true); // a missed enter is caught on the next move
    EXPECT_TRUE(b.button.Hot());
    EXPECT_EQ(b.button.State(), S::ssHot);
    EXPECT_TRUE(b.timer);

    b.button.HoverTimerTick(true);
    EXPECT_EQ(b.button.State(), S::ssHot);
    b.button.HoverTimerTick(false); // a leave the window system did not report
    EXPECT_EQ(b.button.State(), S::ssUp);
    EXPECT_FALSE(b.button.Hot());
    EXPECT_FALSE(b.timer);

    b.timer = true;
    b.button.HoverTimerTick(false); // no longer hot: the timer just stops
    EXPECT_FALSE(b.timer);

    FakeButton d;
    d.button.SetGroupIndex(1);
    d.button.SetDown(true);
    d.button.MouseEnter();
    EXPECT_EQ(d.button.State(), S::ssPressedHot);
    d.button.MouseLeave();
    EXPECT_EQ(d.button.State(), S::ssDown);
}

TEST(ShineButtonState, DisabledButtonIgnoresThePointerAndPaintsDisabled) {
    FakeButton b;
    b.button.SetGroupIndex(1);
    b.button.SetDown(true);
    b.button.SetEnabled(false);
    EXPECT_FALSE(b.button.Down());
    EXPECT_EQ(b.button.State(), S::ssDisabled);

    b.button.MouseEnter();
    b.button.LeftButtonDown();
    EXPECT_FALSE(b.button.Hot());
    EXPECT_FALSE(b.button.Pressing());

    b.button.SetEnabled(true);
    b.button.LeftButtonDown();
    b.button.SetEnabled(false);
    EXPECT_EQ(b.button.StateForPaint(), S::ssDisabled);
    EXPECT_FALSE(b.button.Pressing());
    b.button.SetEnabled(true);
    EXPECT_EQ(b.button.State(), S::ssUp);
}

TEST(ShineButtonState, ClickDownHookShowsThePressedLookDuringTheHandler) {
    FakeButton b;
    b.button.Click();
    EXPECT_EQ(b.stateDuringClick, S::ssUp);

    b.button.SetClickDownHook(true);
    const int repaints = b.repaints;
    b.button.Click();
    EXPECT_EQ(b.stateDuringClick, S::ssPressedHot);
    EXPECT_EQ(b.button.State(), S::ssUp);
    EXPECT_EQ(b.repaints, repaints + 2);
}

TEST(ShineButtonState, DoubleClickOnlyWhenPressedOrDown) {
    FakeButton b;
    EXPECT_FALSE(b.button.AcceptsDoubleClick());
    b.button.MouseEnter();
    EXPECT_FALSE(b.button.AcceptsDoubleClick());
    b.button.LeftButtonDown();
    EXPECT_TRUE(b.button.AcceptsDoubleClick());
}

TEST(ShineButtonState, AcceleratorClicksAndWithAccelCharDownToggles) {
    FakeButton b;
    b.button.SetGroupIndex(1);
    b.button.SetAllowAllUp(true);
    b.button.Accelerator();
    EXPECT_EQ(b.clicks, 1);
    EXPECT_FALSE(b.button.Down());

    b.button.SetAccelCharDown(true);
    b.button.Accelerator();
    EXPECT_TRUE(b.button.Down());
    b.button.Accelerator();
    EXPECT_FALSE(b.button.Down());
    EXPECT_EQ(b.clicks, 3);
}

} // namespace
