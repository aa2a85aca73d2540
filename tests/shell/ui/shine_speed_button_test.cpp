#include "shell/ui/ShineSpeedButton.h"

#include <QAction>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QColor Olive(128, 128, 0);
const QColor GlyphRed(200, 30, 30);

// 8 x 8 olive glyph with a red square in the middle.
QImage SquareGlyph() {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Olive);
    QPainter(&image).fillRect(2, 2, 4, 4, GlyphRed);
    return image;
}

// 12 x 12 olive glyph: a red diamond with a dark blue core, to see the effects by eye.
QImage DiamondGlyph() {
    QImage image(12, 12, QImage::Format_RGB32);
    image.fill(Olive);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const int d = qAbs(x - 6) + qAbs(y - 6);
            if (d <= 2)
                image.setPixelColor(x, y, QColor(20, 20, 120));
            else if (d <= 5)
                image.setPixelColor(x, y, GlyphRed);
        }
    return image;
}

TShineBtnColors Set(TShineRgb color) {
    TShineBtnColors c;
    c.Color = color;
    c.Highlight = {250, 250, 250};
    c.Shadow = {100, 100, 100};
    c.DarkShadow = {10, 10, 10};
    return c;
}

void SendEnter(QWidget* w) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QCoreApplication::sendEvent(w, &enter);
}

} // namespace

class ShineSpeedButtonTest : public QObject {
    Q_OBJECT
  private slots:
    void mouseClickRaisesOnClickAndLeavesTheButtonUp();
    void dragOutAndReleaseDoesNotClick();
    void groupButtonsOfOneParentRaiseEachOther();
    void paintsFaceFrameAndGradient();
    void transparentButtonLetsTheParentShowThrough();
    void disabledMaskTransGlyphAndCaption();
    void actionSuppliesCaptionGlyphAndDown();
    void oneBitGlyphTakesFontColour();
    void acceleratorKeyClicks();
    void screenshotOfAllStates();
};

void ShineSpeedButtonTest::mouseClickRaisesOnClickAndLeavesTheButtonUp() {
    QWidget form;
    auto* b = new TShineSpeedButton(&form);
    QCOMPARE(b->size(), QSize(25, 25));
    form.show();
    QSignalSpy clicks(b, &TShineSpeedButton::OnClick);
    b->SetDown(true); // no group: ignored
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!b->Down());
    QVERIFY(b->State() == TShineState::ssHot || b->State() == TShineState::ssUp);

    b->SetClickDownHook(true);
    TShineState during = TShineState::ssUp;
    connect(b, &TShineSpeedButton::OnClick, b, [&] { during = b->State(); });
    b->Click();
    QCOMPARE(during, TShineState::ssPressedHot);
}

void ShineSpeedButtonTest::dragOutAndReleaseDoesNotClick() {
    QWidget form;
    form.resize(100, 100);
    auto* b = new TShineSpeedButton(&form);
    form.show();
    QSignalSpy clicks(b, &TShineSpeedButton::OnClick);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(b->State(), TShineState::ssPressedHot);
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 60), b->mapToGlobal(QPointF(60, 60)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(b, &move);
    QCOMPARE(b->State(), TShineState::ssUp);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(60, 60));
    QCOMPARE(clicks.count(), 0);
}

void ShineSpeedButtonTest::groupButtonsOfOneParentRaiseEachOther() {
    QWidget form;
    QWidget other;
    auto* a = new TShineSpeedButton(&form);
    auto* b = new TShineSpeedButton(&form);
    auto* elsewhere = new TShineSpeedButton(&other); // same group index, other parent
    for (TShineSpeedButton* x : {a, b, elsewhere})
        x->SetGroupIndex(1);
    form.show();
    other.show();
    elsewhere->SetDown(true);
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(a->Down());
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(a->Down()); // no AllowAllUp
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(b->Down());
    QVERIFY(!a->Down());
    QVERIFY(elsewhere->Down());
}

void ShineSpeedButtonTest::paintsFaceFrameAndGradient() {
    TShineSpeedButton b;
    b.resize(20, 10);
    b.SetColors(Set({50, 60, 70}));
    QImage shot = b.grab().toImage();
    QCOMPARE(shot.pixelColor(10, 5), QColor(50, 60, 70));
    QCOMPARE(shot.pixelColor(0, 0), QColor(250, 250, 250));  // highlight top-left
    QCOMPARE(shot.pixelColor(19, 9), QColor(10, 10, 10));    // dark shadow outside
    QCOMPARE(shot.pixelColor(18, 8), QColor(100, 100, 100)); // shadow inside it

    TShineBtnColors grad = Set({0, 0, 0});
    grad.Gradation = true;
    grad.GradColor = {200, 100, 0};
    b.SetColors(grad);
    b.SetUpFrame(false);
    shot = b.grab().toImage();
    QCOMPARE(shot.pixelColor(0, 5), QColor(0, 0, 0));
    QCOMPARE(shot.pixelColor(19, 5), QColor(190, 95, 0)); // 19 * 200 / 20
}

void ShineSpeedButtonTest::transparentButtonLetsTheParentShowThrough() {
    QWidget form;
    form.resize(40, 40);
    form.setAutoFillBackground(true);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor(1, 2, 3));
    form.setPalette(pal);
    auto* b = new TShineSpeedButton(&form);
    b->SetColors(Set({50, 60, 70}));
    b->SetTransparent(true);
    b->SetGlyph(SquareGlyph());
    QImage shot = form.grab(b->geometry()).toImage();
    QCOMPARE(shot.pixelColor(12, 12), GlyphRed);       // glyph centred in 25 x 25
    QCOMPARE(shot.pixelColor(5, 12), QColor(1, 2, 3)); // parent, not face
    QCOMPARE(shot.pixelColor(9, 12), QColor(1, 2, 3)); // see-through glyph pixel
}

void ShineSpeedButtonTest::disabledMaskTransGlyphAndCaption() {
    TShineSpeedButton b;
    b.resize(80, 25);
    b.SetColors(Set({50, 60, 70}));
    b.SetGlyph(SquareGlyph());
    b.SetCaption("AB");
    b.SetMargin(2);
    b.SetDisabledImage(TDecorationImageType::diMaskTrans);
    b.SetDisabledHighlight(QColor(255, 255, 255));
    b.SetDisabledShadow(QColor(0, 0, 255));
    b.setEnabled(false);
    QCOMPARE(b.State(), TShineState::ssDisabled);
    const QImage shot = b.grab().toImage();
    // Glyph at x 2, centred vertically in the content: every second pixel shows the face.
    const int contentHeight = qMax(8, QFontMetrics(b.font()).height());
    const QPoint glyph(2, (25 - contentHeight) / 2 + (contentHeight - 8) / 2);
    const QColor a = shot.pixelColor(glyph + QPoint(2, 2));
    const QColor c = shot.pixelColor(glyph + QPoint(3, 2));
    QVERIFY((a == GlyphRed) != (c == GlyphRed));
    QVERIFY(a == QColor(50, 60, 70) || c == QColor(50, 60, 70));
    bool shadow = false, highlight = false;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 14; x < 70; ++x) {
            shadow |= shot.pixelColor(x, y) == QColor(0, 0, 255);
            highlight |= shot.pixelColor(x, y) == QColor(255, 255, 255);
        }
    QVERIFY(shadow);
    QVERIFY(highlight);
}

void ShineSpeedButtonTest::actionSuppliesCaptionGlyphAndDown() {
    QWidget form;
    auto* b = new TShineSpeedButton(&form);
    QAction action("&Map");
    action.setCheckable(true);
    QPixmap icon(8, 8);
    icon.fill(Qt::transparent);
    QPainter(&icon).fillRect(0, 0, 8, 4, GlyphRed);
    action.setIcon(QIcon(icon));
    b->SetGroupIndex(2);
    b->SetAllowAllUp(true);
    b->SetActionCheckedDown(true);
    b->SetAction(&action);
    QCOMPARE(b->Caption(), QString("&Map"));
    QCOMPARE(b->Glyph().pixelColor(0, 7), QColor(255, 0, 255)); // drawn on magenta
    QCOMPARE(b->Glyph().pixelColor(0, 0), GlyphRed);
    action.setChecked(true);
    QVERIFY(b->Down());
    action.setEnabled(false);
    QVERIFY(!b->isEnabled());

    QSignalSpy triggered(&action, &QAction::triggered);
    action.setEnabled(true);
    b->Click();
    QCOMPARE(triggered.count(), 1);
}

void ShineSpeedButtonTest::oneBitGlyphTakesFontColour() {
    // Clear bits draw the shape in the font colour; set bits (the bottom-left one among them)
    // take the control's colour and are see-through.
    QImage mono(4, 4, QImage::Format_Mono);
    mono.fill(1);
    for (int x = 0; x < 4; ++x)
        mono.setPixel(x, 0, 0);
    TShineSpeedButton b;
    b.resize(24, 24);
    b.SetColors(Set({50, 60, 70}));
    b.SetFontColor(QColor(0, 200, 0));
    b.SetUpFrame(false);
    b.SetGlyph(mono);
    const QImage shot = b.grab().toImage();
    QCOMPARE(shot.pixelColor(10, 10), QColor(0, 200, 0)); // glyph at (10, 10)
    QCOMPARE(shot.pixelColor(13, 10), QColor(0, 200, 0));
    QCOMPARE(shot.pixelColor(10, 11), QColor(50, 60, 70));
}

void ShineSpeedButtonTest::acceleratorKeyClicks() {
    QWidget form;
    auto* b = new TShineSpeedButton(&form);
    b->SetCaption("&Go");
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        QSKIP("the window system gives no active window here");
    QSignalSpy clicks(b, &TShineSpeedButton::OnClick);
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
    b->SetShowAccelChar(false);
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(clicks.count(), 1);
}

// With YORRA_SCREENSHOT set to a file name, saves a form with a button in every state and
// frame type, for looking at.
void ShineSpeedButtonTest::screenshotOfAllStates() {
    QWidget form;
    form.setAutoFillBackground(true);
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, QColor(220, 230, 240));
    form.setPalette(pal);
    auto* grid = new QGridLayout(&form);
    const char* stateNames[] = {"up", "hot", "pressed", "down", "disabled", "transparent"};
    const TFrameType types[] = {TFrameType::ftFlatFrame, TFrameType::ftNormalFrame,
                                TFrameType::ftEnclosedFrame};
    const char* typeNames[] = {"flat", "normal", "enclosed"};
    QList<TShineSpeedButton*> hot, pressed;
    for (int col = 0; col < 6; ++col)
        grid->addWidget(new QLabel(stateNames[col]), 0, col + 1);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(typeNames[row]), row + 1, 0);
        for (int col = 0; col < 6; ++col) {
            auto* b = new TShineSpeedButton(&form);
            b->setFixedSize(84, 30);
            b->SetFrameType(types[row]);
            b->SetGlyph(DiamondGlyph());
            b->SetCaption(QString::fromUtf8("地図(&M)"));
            if (row == 1) {
                TShineBtnColors c = b->Colors();
                c.Gradation = true;
                c.GradVertical = true;
                c.GradColor = {120, 160, 230};
                b->SetColors(c);
                b->SetFontShadow(QColor(255, 255, 255));
            }
            b->SetGroupIndex(col == 3 ? 10 + row : 0);
            grid->addWidget(b, row + 1, col + 1);
            if (col == 1)
                hot << b;
            if (col == 2)
                pressed << b;
            if (col == 3)
                b->SetDown(true);
            if (col == 4)
                b->setEnabled(false);
            if (col == 5)
                b->SetTransparent(true);
        }
    }
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (TShineSpeedButton* b : hot)
        SendEnter(b);
    for (TShineSpeedButton* b : pressed) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), b->mapToGlobal(QPointF(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &press);
    }
    QCOMPARE(hot.first()->State(), TShineState::ssHot);
    QCOMPARE(pressed.first()->State(), TShineState::ssPressedHot);
    const QByteArray file = qgetenv("YORRA_SCREENSHOT");
    if (!file.isEmpty())
        QVERIFY(form.grab().scaled(form.size() * 2).save(QString::fromLocal8Bit(file)));
}

QTEST_MAIN(ShineSpeedButtonTest)
#include "shine_speed_button_test.moc"
