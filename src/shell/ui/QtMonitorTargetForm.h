#pragma once

#include "shell/MultiMonitorParam.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

// A window as the target form of the monitor components, on QScreen (geometry and available
// geometry of the screen holding the window).
//
// Maximised state: Qt's own maximising would fill the whole work area and has no maximum-size
// query to answer, so a window maximised through this adapter stays in Qt's normal state,
// placed and sized to the band the calculator gives; the adapter remembers that it is
// maximised and the geometry to restore.
class TQtMonitorTargetForm : public IMonitorTargetForm {
  public:
    explicit TQtMonitorTargetForm(QWidget* form) : form_(form) {}

    bool HasWindow() const override { return !form_.isNull(); }
    std::optional<TMonitorRects> QueryMonitor() const override;
    TFormWindowState WindowState() const override;
    TMonitorRect Bounds() const override;
    void MoveTo(int left, int top) override;
    TFormBorderStyle BorderStyle() const override;
    int FrameWidth() const override;
    int FrameHeight() const override;
    void ShowMaximized(const TMonitorRect& rect) override;
    void Restore() override;

  private:
    QPointer<QWidget> form_;
    bool maximised_ = false;
    QRect normalGeometry_;
};
