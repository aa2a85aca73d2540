#include "shell/ui/TrayIcon.h"

#include "shell/TrayIconRegistry.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QWidget>

TTrayIcon::TTrayIcon(QWidget* owner)
    : QObject(owner), owner_(owner), id_(TTrayIconRegistry::Instance().Allocate()) {
    connect(&tray_, &QSystemTrayIcon::activated, this, &TTrayIcon::Activated);
}

TTrayIcon::~TTrayIcon() {
    tray_.hide();
    TTrayIconRegistry::Instance().Release(id_);
}

QIcon TTrayIcon::EffectiveIcon() const {
    if (!icon_.isNull())
        return icon_;
    if (owner_ && !owner_->windowIcon().isNull())
        return owner_->windowIcon();
    return QApplication::windowIcon();
}

void TTrayIcon::SetVisible(bool value) {
    if (!value) {
        tray_.hide();
        visible_ = false;
        return;
    }
    const QIcon icon = EffectiveIcon();
    if (icon.isNull() || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    tray_.setIcon(icon);
    tray_.setToolTip(tipHelp_);
    tray_.show();
    registered_ = true;
    visible_ = true;
}

void TTrayIcon::SetTipHelp(const QString& value) {
    const QString cut = QString::fromStdString(CutTipHelp(value.toStdString()));
    if (cut == tipHelp_)
        return;
    tipHelp_ = cut;
    if (registered_)
        tray_.setToolTip(tipHelp_);
}

void TTrayIcon::SetIcon(const QIcon& value) {
    icon_ = value;
    if (registered_)
        tray_.setIcon(EffectiveIcon());
}

void TTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Context:
        if (rbPopupMenu_ && autoPopup_) {
            // The menu closes properly only when its window is in front.
            if (owner_) {
                owner_->window()->raise();
                owner_->window()->activateWindow();
            }
            QCoreApplication::processEvents();
            rbPopupMenu_->popup(QCursor::pos());
        }
        MouseUp(Qt::RightButton);
        break;
    case QSystemTrayIcon::Trigger:
        MouseUp(Qt::LeftButton);
        break;
    default:
        break;
    }
}

void TTrayIcon::MouseUp(Qt::MouseButton button) {
    if (onMouseUp_)
        onMouseUp_(button, QApplication::keyboardModifiers(), QCursor::pos());
}
