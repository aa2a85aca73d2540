#include "shell/ui/WindowShape.h"

#include <QtTest>

namespace {

// Records the shape of the window at every paint.
class TShapeRecorder : public QWidget {
  public:
    QList<QRegion> masks;

  protected:
    void paintEvent(QPaintEvent*) override { masks << mask(); }
};

// Step 1 (half-axes 200 x 100) takes in the corners of a 200 x 100 window; step 20 (10 x 5)
// only its middle.
bool IsFirstStep(const QRegion& r) {
    return r.contains(QPoint(0, 0)) && r.contains(QPoint(199, 99)) && r.contains(QPoint(0, 99));
}

bool IsLastStep(const QRegion& r) {
    return r.contains(QPoint(100, 50)) && r.contains(QPoint(92, 50)) &&
           !r.contains(QPoint(112, 50)) && !r.contains(QPoint(100, 57));
}

bool ShowsNothing(const QWidget& w) {
    return !w.mask().isEmpty() && w.mask().intersected(w.rect()).isEmpty();
}

} // namespace

class WindowShapeTest : public QObject {
    Q_OBJECT
  private slots:
    void zoomOutPaintsTwentyShrinkingEllipsesThenNothing();
    void zoomInGrowsBackToTheWholeWindow();
    void hideAndReset();
};

void WindowShapeTest::zoomOutPaintsTwentyShrinkingEllipsesThenNothing() {
    TShapeRecorder w;
    w.resize(200, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.masks.clear();
    ZoomOutWindow(&w);
    QCOMPARE(w.masks.size(), 20);
    QVERIFY(IsFirstStep(w.masks.first()));
    QVERIFY(IsLastStep(w.masks.last()));
    for (int i = 1; i < w.masks.size(); ++i)
        QVERIFY(w.masks[i - 1].boundingRect().contains(w.masks[i].boundingRect()));
    QVERIFY(ShowsNothing(w));
    QCOMPARE(w.size(), QSize(200, 100));
}

void WindowShapeTest::zoomInGrowsBackToTheWholeWindow() {
    TShapeRecorder w;
    w.resize(200, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    HideWindowShape(&w);
    w.masks.clear();
    ZoomInWindow(&w);
    QCOMPARE(w.masks.size(), 20);
    QVERIFY(IsLastStep(w.masks.first()));
    QVERIFY(IsFirstStep(w.masks.last()));
    QVERIFY(w.mask().isEmpty()); // no mask: the whole window
}

void WindowShapeTest::hideAndReset() {
    QWidget w;
    w.resize(50, 40);
    HideWindowShape(&w);
    QVERIFY(ShowsNothing(w));
    ResetWindowShape(&w);
    QVERIFY(w.mask().isEmpty());
    ZoomOutWindow(&w); // a hidden window: no paints, same end shape
    QVERIFY(ShowsNothing(w));
}

QTEST_MAIN(WindowShapeTest)
#include "window_shape_test.moc"
