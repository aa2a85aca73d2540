#include "shell/ShineButtonState.h"

namespace {
bool StrictlyInside(int x, int y, int width, int height) {
    return 0 < x && x < width && 0 < y && y < height;
}
} // namespace

void TShineButtonState::SetState(TShineState value) {
    if (state_ == value)
        return;
    state_ = value;
    host_.Repaint();
}

void TShineButtonState::SetDown(bool value) {
    if (value == down_ || groupIndex_ == 0)
        return;
    if (allowAllUp_) {
        down_ = value;
        host_.BroadcastButtonPressed(groupIndex_);
        state_ = value ? TShineState::ssDown : TShineState::ssUp;
        host_.Repaint();
        return;
    }
    // Without AllowAllUp only another button of the group can raise a down button.
    if (!value)
        return;
    down_ = true;
    host_.BroadcastButtonPressed(groupIndex_);
    state_ = TShineState::ssDown;
    host_.Repaint();
}

void TShineButtonState::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    down_ = false;
    state_ = value ? TShineState::ssUp : TShineState::ssDisabled;
    host_.Repaint();
}

void TShineButtonState::LeftButtonDown() {
    if (!enabled_)
        return;
    state_ = TShineState::ssPressedHot;
    pressing_ = true;
    host_.Repaint();
}

void TShineButtonState::MouseMove(int x, int y, int width, int height, bool pointerOver) {
    if (pressing_) {
        if (StrictlyInside(x, y, width, height))
            SetState(TShineState::ssPressedHot);
        else
            SetState(down_ ? TShineState::ssDown : TShineState::ssUp);
        return;
    }
    RecheckPointer(pointerOver);
}

void TShineButtonState::RecheckPointer(bool pointerOver) {
    // Only an enter can be missing here: leave handling does nothing while not hot.
    if (!pressing_ && !hot_ && pointerOver)
        MouseEnter();
}

void TShineButtonState::MouseEnter(bool blocked) {
    if (hot_ || !enabled_ || blocked)
        return;
    hot_ = true;
    if (state_ == TShineState::ssUp)
        state_ = TShineState::ssHot;
    else if (state_ == TShineState::ssDown)
        state_ = TShineState::ssPressedHot;
    host_.Repaint();
    host_.StartHoverTimer();
}

void TShineButtonState::MouseLeave() {
    if (!hot_ || !enabled_ || pressing_)
        return;
    host_.StopHoverTimer();
    hot_ = false;
    if (state_ == TShineState::ssHot)
        state_ = TShineState::ssUp;
    else if (state_ == TShineState::ssPressedHot)
        state_ = TShineState::ssDown;
    host_.Repaint();
}

void TShineButtonState::HoverTimerTick(bool pointerInClient) {
    if (!hot_ || !enabled_ || pressing_) {
        host_.StopHoverTimer();
        return;
    }
    // Catches a leave the window system did not report.
    if (!pointerInClient)
        MouseLeave();
}

void TShineButtonState::LeftButtonUp(int x, int y, int width, int height, bool pointerOver) {
    if (!pressing_)
        return;
    const bool inside = 0 <= x && x < width && 0 <= y && y < height;
    if (groupIndex_ != 0) {
        if (inside) {
            SetDown(!down_);
            host_.Repaint();
        } else {
            SetState(down_ ? TShineState::ssPressedHot : TShineState::ssHot);
        }
    } else {
        state_ = TShineState::ssUp;
        hot_ = false;
        down_ = false;
        host_.Repaint();
    }
    pressing_ = false;
    if (inside)
        Click();
    RecheckPointer(pointerOver);
}

void TShineButtonState::Click() {
    if (!clickDownHook_) {
        host_.Click();
        return;
    }
    const TShineState previous = state_;
    state_ = TShineState::ssPressedHot;
    host_.Repaint();
    host_.Click();
    state_ = previous;
    host_.Repaint();
}

bool TShineButtonState::AcceptsDoubleClick() const {
    return state_ == TShineState::ssPressedHot || state_ == TShineState::ssDown;
}

void TShineButtonState::Accelerator() {
    if (accelCharDown_)
        SetDown(!down_);
    Click();
}

void TShineButtonState::ButtonPressed(int groupIndex, const TShineButtonState& sender) {
    if (&sender == this || groupIndex != groupIndex_)
        return;
    if (sender.down_ && down_) {
        down_ = false;
        state_ = TShineState::ssUp;
        host_.Repaint();
        allowAllUp_ = sender.allowAllUp_;
    }
}

TShineState TShineButtonState::StateForPaint() {
    if (!enabled_) {
        state_ = TShineState::ssDisabled;
        pressing_ = false;
    }
    return state_;
}
