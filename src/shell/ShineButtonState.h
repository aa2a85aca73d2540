#pragma once

#include "shell/ShineButtonTypes.h"

// What the flat button's rules need from the control that hosts them.
class IShineButtonHost {
  public:
    virtual ~IShineButtonHost() = default;
    virtual void Repaint() = 0;
    // Runs the click handler (OnClick or the action).
    virtual void Click() = 0;
    virtual void StartHoverTimer() = 0;
    virtual void StopHoverTimer() = 0;
    // Tells every control of the same parent that this button of groupIndex went down or up.
    virtual void BroadcastButtonPressed(int groupIndex) = 0;
};

// The flat button's state machine: visual state, hot and pressing flags, Down and groups.
class TShineButtonState {
  public:
    explicit TShineButtonState(IShineButtonHost& host) : host_(host) {}

    TShineState State() const { return state_; }
    bool Hot() const { return hot_; }
    bool Pressing() const { return pressing_; }
    bool Down() const { return down_; }
    bool Enabled() const { return enabled_; }
    int GroupIndex() const { return groupIndex_; }
    bool AllowAllUp() const { return allowAllUp_; }
    bool ClickDownHook() const { return clickDownHook_; }
    bool AccelCharDown() const { return accelCharDown_; }

    void SetGroupIndex(int value) { groupIndex_ = value; }
    void SetAllowAllUp(bool value) { allowAllUp_ = value; }
    // The pressed look is shown while the click handler runs.
    void SetClickDownHook(bool value) { clickDownHook_ = value; }
    // The accelerator key toggles Down before clicking.
    void SetAccelCharDown(bool value) { accelCharDown_ = value; }
    void SetDown(bool value);
    void SetEnabled(bool value);

    void LeftButtonDown();
    // x, y in client coordinates; pointerOver: the pointer is over this control (for the
    // re-check while neither pressing nor hot).
    void MouseMove(int x, int y, int width, int height, bool pointerOver);
    // blocked: the pointer is captured by another control or a drag is running.
    void MouseEnter(bool blocked = false);
    void MouseLeave();
    void HoverTimerTick(bool pointerInClient);
    void LeftButtonUp(int x, int y, int width, int height, bool pointerOver);
    void Click();
    bool AcceptsDoubleClick() const;
    // The caption's accelerator key was pressed (the host checked that it applies).
    void Accelerator();
    // The notice another button of the same parent broadcast.
    void ButtonPressed(int groupIndex, const TShineButtonState& sender);
    // The state to paint; a disabled button always paints disabled and stops pressing.
    TShineState StateForPaint();

  private:
    void SetState(TShineState value);
    void RecheckPointer(bool pointerOver);

    IShineButtonHost& host_;
    TShineState state_ = TShineState::ssUp;
    bool hot_ = false;
    bool pressing_ = false;
    bool down_ = false;
    bool enabled_ = true;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool clickDownHook_ = false;
    bool accelCharDown_ = false;
};
