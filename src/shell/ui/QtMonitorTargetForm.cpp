#include "shell/ui/QtMonitorTargetForm.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

TMonitorRect ToMonitorRect(const QRect& r) {
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

} // namespace

std::optional<TMonitorRects> TQtMonitorTargetForm::QueryMonitor() const {
    if (!form_)
        return std::nullopt;
    QScreen* screen = QGuiApplication::screenAt(form_->frameGeometry().center());
    if (!screen)
        screen = form_->screen(); // off every screen: the one Qt keeps it on
    if (!screen)
        return std::nullopt;
    return TMonitorRects{ToMonitorRect(screen->geometry()),
                         ToMonitorRect(screen->availableGeometry())};
}

TFormWindowState TQtMonitorTargetForm::WindowState() const {
    if (maximised_)
        return TFormWindowState::wsMaximized;
    return form_ && form_->isMinimized() ? TFormWindowState::wsMinimized
                                         : TFormWindowState::wsNormal;
}

TMonitorRect TQtMonitorTargetForm::Bounds() const {
    return form_ ? ToMonitorRect(form_->frameGeometry()) : TMonitorRect{};
}

void TQtMonitorTargetForm::MoveTo(int left, int top) {
    if (form_)
        form_->move(left, top);
}

TFormBorderStyle TQtMonitorTargetForm::BorderStyle() const {
    if (!form_)
        return TFormBorderStyle::bsNone;
    const Qt::WindowFlags flags = form_->windowFlags();
    const bool fixedSize = form_->minimumSize() == form_->maximumSize();
    if (flags.testFlag(Qt::FramelessWindowHint))
        return TFormBorderStyle::bsNone;
    if ((flags & Qt::WindowType_Mask) == Qt::Tool)
        return fixedSize ? TFormBorderStyle::bsToolWindow : TFormBorderStyle::bsSizeToolWin;
    if ((flags & Qt::WindowType_Mask) == Qt::Dialog)
        return TFormBorderStyle::bsDialog;
    return fixedSize ? TFormBorderStyle::bsSingle : TFormBorderStyle::bsSizeable;
}

int TQtMonitorTargetForm::FrameWidth() const {
    return form_ ? form_->geometry().x() - form_->frameGeometry().x() : 0;
}

int TQtMonitorTargetForm::FrameHeight() const {
    return form_ ? form_->frameGeometry().bottom() - form_->geometry().bottom() : 0;
}

void TQtMonitorTargetForm::ShowMaximized(const TMonitorRect& rect) {
    if (!form_)
        return;
    if (!maximised_)
        normalGeometry_ = form_->geometry();
    maximised_ = true;
    // rect includes the frame; the widget's geometry is the inside of it.
    const QRect frame = form_->frameGeometry();
    const QRect inner = form_->geometry();
    const QMargins frameMargins(inner.left() - frame.left(), inner.top() - frame.top(),
                                frame.right() - inner.right(), frame.bottom() - inner.bottom());
    form_->setGeometry(
        QRect(rect.left, rect.top, rect.Width(), rect.Height()).marginsRemoved(frameMargins));
}

void TQtMonitorTargetForm::Restore() {
    if (!maximised_)
        return;
    maximised_ = false;
    if (form_)
        form_->setGeometry(normalGeometry_);
}
