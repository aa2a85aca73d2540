#include "shell/ui/QtMonitorTargetForm.h"

#include <QScreen>
#include <QtTest>

class QtMonitorTargetFormTest : public QObject {
    Q_OBJECT
  private slots:
    void docksAFramelessWindowIntoABandOfItsScreen();
    void aClosedFormIsReported();
};

void QtMonitorTargetFormTest::docksAFramelessWindowIntoABandOfItsScreen() {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(20, 30, 257, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TQtMonitorTargetForm form(&window);
    TMultiMonitorMaxInfoCalc calc(&form);
    QCOMPARE(form.BorderStyle(), TFormBorderStyle::bsNone);

    const QRect work = window.screen()->availableGeometry();
    TMonitorRects rects = calc.GetMonitorRects();
    QCOMPARE(rects.Work.Width(), work.width());
    QCOMPARE(rects.Mon.Height(), window.screen()->geometry().height());

    calc.SetMaxAlign(maBottom);
    calc.SetMaxSizeY(75);
    calc.Maximise();
    QCOMPARE(form.WindowState(), TFormWindowState::wsMaximized);
    QCOMPARE(window.geometry(), QRect(work.x(), work.bottom() + 1 - 75, work.width(), 75));

    calc.SetMaxSizeY(8);
    calc.Remaximise();
    QCOMPARE(window.geometry(), QRect(work.x(), work.bottom() + 1 - 8, work.width(), 8));

    form.Restore();
    QCOMPARE(window.geometry(), QRect(20, 30, 257, 200));
    QCOMPARE(form.WindowState(), TFormWindowState::wsNormal);

    window.move(work.right() - 100, work.bottom() - 50);
    calc.FitToWorkArea();
    QCOMPARE(window.frameGeometry().bottomRight(), work.bottomRight());
}

void QtMonitorTargetFormTest::aClosedFormIsReported() {
    auto* window = new QWidget;
    TQtMonitorTargetForm form(window);
    TMultiMonitorMaxInfoCalc calc(&form);
    QVERIFY(form.HasWindow());
    delete window;
    QVERIFY(!form.HasWindow());
    QVERIFY_THROWS_EXCEPTION(ETargetFormIsNotFound, calc.GetMonitorRects());
}

QTEST_MAIN(QtMonitorTargetFormTest)
#include "qt_monitor_target_form_test.moc"
