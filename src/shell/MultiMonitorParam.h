#pragma once

#include <optional>
#include <stdexcept>

// Monitor and work-area look-ups for a form, and the maximised band that follows the monitor
// and task bars the form is on.

// Left, top, right, bottom in screen coordinates (right and bottom exclusive).
struct TMonitorRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const TMonitorRect&, const TMonitorRect&) = default;
};

// The monitor and its work area (the monitor less task bars).
struct TMonitorRects {
    TMonitorRect Mon;
    TMonitorRect Work;
};

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TFormWindowState { wsNormal, wsMinimized, wsMaximized };

// What the monitor components need of their target form.
class IMonitorTargetForm {
  public:
    virtual ~IMonitorTargetForm() = default;
    // False once the form's window is gone.
    virtual bool HasWindow() const = 0;
    // The monitor holding the form, or the nearest; nullopt when the window system cannot say.
    virtual std::optional<TMonitorRects> QueryMonitor() const = 0;
    virtual TFormWindowState WindowState() const = 0;
    // The form's rectangle in the normal state.
    virtual TMonitorRect Bounds() const = 0;
    virtual void MoveTo(int left, int top) = 0;
    virtual TFormBorderStyle BorderStyle() const = 0;
    // The window frame on each side (0 for a borderless form).
    virtual int FrameWidth() const = 0;
    virtual int FrameHeight() const = 0;
    // Maximised into rect (screen coordinates), and back to the normal rectangle.
    virtual void ShowMaximized(const TMonitorRect& rect) = 0;
    virtual void Restore() = 0;
};

class ETargetFormIsNotFound : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TMonitorInfoParam {
  public:
    explicit TMonitorInfoParam(IMonitorTargetForm* targetForm = nullptr)
        : targetForm_(targetForm) {}
    virtual ~TMonitorInfoParam() = default;

    IMonitorTargetForm* TargetForm() const { return targetForm_; }
    void SetTargetForm(IMonitorTargetForm* form) { targetForm_ = form; }

    // Read afresh on every call. Throws ETargetFormIsNotFound without a target form or its
    // window, std::runtime_error when the look-up fails twice, 100 ms apart.
    TMonitorRects GetMonitorRects() const;

  protected:
    IMonitorTargetForm& CheckedTargetForm() const;
    bool TargetFormPresent() const { return targetForm_ && targetForm_->HasWindow(); }

  private:
    IMonitorTargetForm* targetForm_;
};

// Where the maximised window goes; the values are those stored by callers.
enum TMaxAlign : int {
    maNone = 0,
    maTop = 1,
    maBottom = 2,
    maLeft = 3,
    maRight = 4,
    maClient = 5,
    maCustom = 6
};

// The maximum-size query of a window: maximised size and position. The position is relative
// to the top-left of the monitor.
struct TMaxSizeQuery {
    int maxWidth = 0;
    int maxHeight = 0;
    int maxX = 0;
    int maxY = 0;
};

class TMultiMonitorMaxInfoCalc : public TMonitorInfoParam {
  public:
    using TMonitorInfoParam::TMonitorInfoParam;

    TMaxAlign MaxAlign() const { return maxAlign_; }
    // Takes effect at once on a maximised form.
    void SetMaxAlign(TMaxAlign value);
    int MaxSizeX() const { return maxSizeX_; }
    void SetMaxSizeX(int value) { maxSizeX_ = value; }
    int MaxSizeY() const { return maxSizeY_; }
    void SetMaxSizeY(int value) { maxSizeY_ = value; }
    int MaxPositionX() const { return maxPositionX_; }
    void SetMaxPositionX(int value) { maxPositionX_ = value; }
    int MaxPositionY() const { return maxPositionY_; }
    void SetMaxPositionY(int value) { maxPositionY_ = value; }

    // Pulls a form in the normal state back inside the work area of its monitor.
    void FitToWorkArea();
    // Fills the query by MaxAlign; leaves it alone without a target form or its window.
    void AnswerMaxInfo(TMaxSizeQuery& query) const;
    // Maximises the form into the rectangle AnswerMaxInfo describes; the window system has no
    // maximum-size query of its own to ask.
    void Maximise();
    // Restores and maximises a maximised form again, so that a changed size takes effect.
    void Remaximise();

  private:
    // The maximised rectangle in screen coordinates.
    TMonitorRect MaximisedRect(const TMonitorRects& rects) const;

    TMaxAlign maxAlign_ = maCustom;
    int maxSizeX_ = 0;
    int maxSizeY_ = 0;
    int maxPositionX_ = 0;
    int maxPositionY_ = 0;
};
