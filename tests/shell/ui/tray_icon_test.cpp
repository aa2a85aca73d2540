#include "shell/TrayIconRegistry.h"
#include "shell/ui/TrayIcon.h"

#include <QMenu>
#include <QtTest>

#include <memory>
#include <vector>

class TrayIconTest : public QObject {
    Q_OBJECT
  private slots:
    void identifiersAndLimit();
    void propertiesWithoutANotificationArea();
};

void TrayIconTest::identifiersAndLimit() {
    QWidget owner;
    auto a = std::make_unique<TTrayIcon>(&owner);
    auto b = std::make_unique<TTrayIcon>(&owner);
    auto c = std::make_unique<TTrayIcon>(&owner);
    QCOMPARE(c->Id(), a->Id() + 2);
    b.reset();
    TTrayIcon d(&owner);
    QCOMPARE(d.Id(), c->Id() + 1);

    std::vector<std::unique_ptr<TTrayIcon>> more;
    while (TTrayIconRegistry::Instance().Count() < TTrayIconRegistry::MaxIcons)
        more.push_back(std::make_unique<TTrayIcon>(&owner));
    QVERIFY_THROWS_EXCEPTION(ENotifyIconError, TTrayIcon{&owner});
    more.clear();
    TTrayIcon again(&owner); // room again once icons go
}

void TrayIconTest::propertiesWithoutANotificationArea() {
    QWidget owner;
    TTrayIcon icon(&owner);
    QCOMPARE(icon.TipHelp(), QString("TipHelp"));
    QVERIFY(icon.AutoPopup());
    icon.SetTipHelp(QString(70, 'x'));
    QCOMPARE(icon.TipHelp(), QString(63, 'x'));

    QMenu menu;
    icon.SetRBPopupMenu(&menu);
    QCOMPARE(icon.RBPopupMenu(), &menu);
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    icon.SetIcon(QIcon(picture));
    icon.SetVisible(true);
    // Offscreen there is no notification area: the icon stays out, without an error.
    QCOMPARE(icon.Visible(), QSystemTrayIcon::isSystemTrayAvailable());
    icon.SetVisible(false);
    QVERIFY(!icon.Visible());
}

QTEST_MAIN(TrayIconTest)
#include "tray_icon_test.moc"
