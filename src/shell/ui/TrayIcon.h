#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>

class QWidget;

// Button released over the icon, with the modifier keys and the cursor in screen coordinates.
using TTrayMouseUpEvent = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)>;

// An icon in the desktop's notification area. Each icon takes an identifier from the process'
// registry (at most 100 icons). Where the desktop has no notification area the icon simply
// stays unregistered.
class TTrayIcon : public QObject {
    Q_OBJECT
  public:
    // Throws ENotifyIconError when 100 icons exist.
    explicit TTrayIcon(QWidget* owner);
    ~TTrayIcon() override;

    int Id() const { return id_; }

    // Shows the icon (own icon, else the owner window's, else the application's); stays false
    // without a picture or a notification area.
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Cut to 63 bytes in cp932.
    QString TipHelp() const { return tipHelp_; }
    void SetTipHelp(const QString& value);
    // Menu popped up at the cursor on a right click when AutoPopup is on.
    QMenu* RBPopupMenu() const { return rbPopupMenu_; }
    void SetRBPopupMenu(QMenu* value) { rbPopupMenu_ = value; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool value) { autoPopup_ = value; }
    QIcon Icon() const { return icon_; }
    void SetIcon(const QIcon& value);
    const TTrayMouseUpEvent& OnMouseUp() const { return onMouseUp_; }
    void SetOnMouseUp(TTrayMouseUpEvent value) { onMouseUp_ = std::move(value); }

  private:
    QIcon EffectiveIcon() const;
    void Activated(QSystemTrayIcon::ActivationReason reason);
    void MouseUp(Qt::MouseButton button);

    QPointer<QWidget> owner_;
    int id_;
    // Qt routes the platform's notifications to each icon itself; no callback window is needed.
    QSystemTrayIcon tray_;
    bool registered_ = false;
    bool visible_ = false;
    QString tipHelp_ = "TipHelp";
    QPointer<QMenu> rbPopupMenu_;
    bool autoPopup_ = true;
    QIcon icon_;
    TTrayMouseUpEvent onMouseUp_;
};
