#include "maps/MDBmpFile.h"
#include "maps/MDJpeg.h"
#include "maps/ui/MDBitmapQImage.h"
#include "maps/ui/MDImageViewLayers.h"
#include "maps/ui/MDImageViewScrollBox.h"

#include "ScriptedMessageBox.h"
#include "TempFolder.h"

#include <QScrollBar>
#include <QtTest>

#include <optional>
#include <stdexcept>

namespace {

TMDBitmap Gradient(int w, int h) {
    TMDBitmap b(w, h, 24);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = b.ScanLine(y) + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(w - 1, 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(h - 1, 1));
            p[2] = static_cast<std::uint8_t>(((x / 25 + y / 25) % 2) ? 220 : 40);
        }
    return b;
}

// A shown view whose available area (the box less its frame) becomes w x h.
void SetAvailable(TMDImageViewScrollBox& view, int w, int h) {
    view.resize(w + 2 * view.frameWidth(), h + 2 * view.frameWidth());
    QCOMPARE(view.AvailableWidth(), w);
    QCOMPARE(view.AvailableHeight(), h);
}

} // namespace

class TMDImageViewScrollBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void FitModeCentresSmallAndReducesLargePictures();
    void FixedZoomIsClampedAndLeavesFitMode();
    void FailedResamplingFallsBackToAStretchedCopy();
    void ClicksReportPictureCoordinates();
    void RectanglesAreClampedAndSmallOnesIgnored();
    void LoadsJpegAndBmpFilesAndRefusesDamagedOnes();
    void LinkingToItselfIsRefused();
    void ScrollDragMovesThePictureWithTheMouse();
    void ZoomingOutAndBackKeepsTheCentre();
    void FitModeRefitsWhenTheBoxIsResized();
    void OverviewFollowsAndSteersTheLargeView();
    void GrabShowsPictureOverlaysAndBand();
};

void TMDImageViewScrollBoxTest::FitModeCentresSmallAndReducesLargePictures() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 800, 600);
    std::vector<std::pair<int, TImageZoomMode>> events;
    view.OnImageZoomChenge = [&](TMDImageViewScrollBox* sender, int zoom, TImageZoomMode mode) {
        QCOMPARE(sender, &view);
        events.push_back({zoom, mode});
    };
    view.SetImageZoomMode(izmWholeDisp);
    view.LoadImageBitmap(Gradient(400, 300));
    QCOMPARE(view.ImageZoom(), 100);
    QVERIFY(!view.SourcePicture()->isHidden());
    QVERIFY(view.ZoomedPicture()->isHidden());
    QCOMPARE(view.SourcePicture()->pos(), QPoint(200, 150));
    QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // The overlays lie over the visible layer.
    QCOMPARE(view.LabelPicture()->geometry(), view.SourcePicture()->geometry());

    SetAvailable(view, 500, 400);
    view.LoadImageBitmap(Gradient(2000, 1000));
    QCOMPARE(view.ImageZoom(), 25);
    QVERIFY(view.SourcePicture()->isHidden());
    QCOMPARE(view.ZoomedPicture()->size(), QSize(500, 250));
    QCOMPARE(view.ZoomedPicture()->pos(), QPoint(0, 75));
    QCOMPARE(view.DisplayedGraphic().Width(), 500);
    QCOMPARE(view.GridPicture()->geometry(), view.ZoomedPicture()->geometry());
    QVERIFY(!events.empty());
    QCOMPARE(events.back(), std::make_pair(25, izmWholeDisp));

    view.LoadImageBitmap(Gradient(3, 1000));
    QCOMPARE(view.ImageZoom(), 40);
    QCOMPARE(view.ZoomedPicture()->size(), QSize(1, 400));
}

void TMDImageViewScrollBoxTest::FixedZoomIsClampedAndLeavesFitMode() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 53, 200);
    view.SetImageZoomMode(izmWholeDisp);
    view.LoadImageBitmap(Gradient(100, 100));
    QCOMPARE(view.ImageZoom(), 52);
    view.SetImageZoom(53);
    QCOMPARE(view.ImageZoomMode(), izmZoomDisp);
    QCOMPARE(view.ZoomedPicture()->size(), QSize(52, 52));
    QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    view.SetImageZoom(5);
    QCOMPARE(view.ImageZoom(), 10);
    view.SetImageZoom(250);
    QCOMPARE(view.ImageZoom(), 200);
    QCOMPARE(view.ZoomedPicture()->size(), QSize(200, 200));
    view.SetImageZoom(100);
    QVERIFY(!view.SourcePicture()->isHidden());
    QVERIFY(view.ZoomedPicture()->isHidden());
    // Without a picture the zoom is still stored and announced.
    view.ClearImage();
    int announced = 0;
    view.OnImageZoomChenge = [&](TMDImageViewScrollBox*, int zoom, TImageZoomMode) {
        announced = zoom;
    };
    view.SetImageZoom(70);
    QCOMPARE(announced, 70);
    QCOMPARE(view.GetViewCenter(), (TMDPoint{0, 0}));
}

void TMDImageViewScrollBoxTest::FailedResamplingFallsBackToAStretchedCopy() {
    TMDImageViewScrollBox view;
    view.show();
    view.LoadImageBitmap(Gradient(3, 1000));
    // At 10 percent the copy would be 0 pixels wide: the resampler refuses, the plain
    // picture is shown stretched to Round(0.3) x Round(100).
    view.SetImageZoom(10);
    QVERIFY(view.DisplayedGraphic() == view.SourceGraphic());
    QCOMPARE(view.ZoomedPicture()->size(), QSize(0, 100));
    QVERIFY(!view.ZoomedPicture()->isHidden());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TMDImageViewScrollBoxTest::ClicksReportPictureCoordinates() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 600, 600);
    view.LoadImageBitmap(Gradient(400, 300));
    std::optional<TMDPoint> clicked;
    view.OnImageClick = [&](TMDImageViewScrollBox*, TImageMouseTool tool, int x, int y) {
        QCOMPARE(tool, mtmMouseClick);
        clicked = TMDPoint{x, y};
    };
    TImageMouseTool announced = mtmNone;
    view.OnImageMouseToolChenge = [&](TMDImageViewScrollBox*, TImageMouseTool tool) {
        announced = tool;
    };
    view.SetImageMouseTool(mtmMouseClick);
    QCOMPARE(announced, mtmMouseClick);
    QCOMPARE(view.ZoomedPicture()->cursor().shape(), Qt::PointingHandCursor);
    for (auto [zoom, at, expected] : {std::tuple{50, QPoint(101, 33), TMDPoint{202, 66}},
                                      std::tuple{30, QPoint(10, 10), TMDPoint{33, 33}}}) {
        view.SetImageZoom(zoom);
        clicked.reset();
        QTest::mouseClick(view.ZoomedPicture(), Qt::LeftButton, {}, at);
        QVERIFY(clicked.has_value());
        QCOMPARE(*clicked, expected);
    }
    // In another tool a click reports nothing.
    view.SetImageMouseTool(mtmNone);
    clicked.reset();
    QTest::mouseClick(view.ZoomedPicture(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!clicked.has_value());
}

void TMDImageViewScrollBoxTest::RectanglesAreClampedAndSmallOnesIgnored() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 600, 600);
    const TMDBitmap picture = Gradient(400, 300);
    view.LoadImageBitmap(picture);
    view.SetImageMouseTool(mtmMouseRect);
    QCOMPARE(view.SourcePicture()->cursor().shape(), Qt::CrossCursor);
    std::optional<TMDRect> selected;
    TMDBitmap pixels;
    view.OnImageRect = [&](TMDImageViewScrollBox*, TImageMouseTool, int x1, int y1, int x2, int y2,
                           const TMDBitmap& bitmap) {
        selected = TMDRect{x1, y1, x2, y2};
        pixels = bitmap;
    };
    QWidget* layer = view.SourcePicture();
    QTest::mousePress(layer, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(layer, QPoint(52, 120));
    QVERIFY(view.SourcePicture()->Band().has_value());
    QTest::mouseRelease(layer, Qt::LeftButton, {}, QPoint(52, 120));
    QVERIFY(!selected.has_value());
    QVERIFY(!view.SourcePicture()->Band().has_value());

    QTest::mousePress(layer, Qt::LeftButton, {}, QPoint(350, 250));
    QTest::mouseMove(layer, QPoint(390, 280));
    QTest::mouseRelease(layer, Qt::LeftButton, {}, QPoint(590, 590));
    QVERIFY(selected.has_value());
    QCOMPARE(*selected, (TMDRect{350, 250, 400, 300}));
    QVERIFY(pixels == picture.Copy(350, 250, 400, 300));
    QCOMPARE(view.ImageMouseTool(), mtmMouseRect);
}

void TMDImageViewScrollBoxTest::LoadsJpegAndBmpFilesAndRefusesDamagedOnes() {
    TempFolder folder;
    const TMDBitmap picture = Gradient(64, 32);
    SaveBmpFile(folder.Path() + "a.BMP", picture);
    SaveJpegFile(folder.Path() + "b.jpg", picture, 100);
    folder.Write("c.png", "whatever");
    folder.Write("d.jpg", "broken");
    TMDImageViewScrollBox view;
    view.show();
    view.LoadImageFile(QString::fromStdString(folder.Path() + "a.BMP"), false);
    QVERIFY(view.SourceGraphic() == picture);
    view.LoadImageFile(QString::fromStdString(folder.Path() + "b.jpg"), false);
    QCOMPARE(view.SourceGraphic().Width(), 64);
    QVERIFY(view.GetSourceJpegSize(100) > 0);
    QCOMPARE(view.CreateZoomedBitmap(50).Width(), 32);
    view.LoadImageFile(QString::fromStdString(folder.Path() + "c.png"), false);
    QVERIFY(!view.HasImage());
    view.LoadImageBitmap(picture);
    QVERIFY_THROWS_EXCEPTION(
        std::runtime_error,
        view.LoadImageFile(QString::fromStdString(folder.Path() + "d.jpg"), false));
    QVERIFY(!view.HasImage());
    QVERIFY(view.SourceGraphic().Empty());
}

void TMDImageViewScrollBoxTest::LinkingToItselfIsRefused() {
    TScriptedMessageBox box;
    TMDImageViewScrollBox view, other;
    view.SetMessageBox(&box);
    view.SetSynchroMDImageViewScrollBox(&view);
    QCOMPARE(box.shown, QStringList{QStringLiteral("自分自身は指定出来ません")});
    QCOMPARE(box.types.front(), TMsgType::Error);
    QVERIFY(view.SynchroMDImageViewScrollBox() == nullptr);
    view.SetSynchroMDImageViewScrollBox(&other);
    view.SetSynchroMDImageViewScrollBox(&view);
    QVERIFY(view.SynchroMDImageViewScrollBox() == &other);
}

void TMDImageViewScrollBoxTest::OverviewFollowsAndSteersTheLargeView() {
    QWidget window;
    auto* large = new TMDImageViewScrollBox(&window);
    auto* overview = new TMDImageViewScrollBox(&window);
    overview->move(600, 0);
    window.resize(900, 500);
    window.show();
    SetAvailable(*large, 500, 400);
    SetAvailable(*overview, 200, 200);
    overview->SetImageMouseTool(mtmSynchroRect);
    overview->SetImageZoomMode(izmWholeDisp);
    overview->SetSynchroMDImageViewScrollBox(large);
    large->LoadImageBitmap(Gradient(2000, 1500));
    QCOMPARE(overview->SourceGraphic().Width(), 200);
    QCOMPARE(overview->SourceGraphic().Height(), 150);
    QCOMPARE(overview->ImageZoom(), 100);

    // Scrolled to the bottom-right corner, the mark touches the overview's own corner.
    large->horizontalScrollBar()->setValue(large->horizontalScrollBar()->maximum());
    large->verticalScrollBar()->setValue(large->verticalScrollBar()->maximum());
    const TMDRect shown = large->GetViewRect();
    QCOMPARE(shown.Right, 2000);
    QCOMPARE(shown.Bottom, 1500);
    const std::optional<TMDRect> mark = overview->SourcePicture()->Mark();
    QVERIFY(mark.has_value());
    QCOMPARE(mark->Right, 200);
    QCOMPARE(mark->Bottom, 150);
    QCoreApplication::processEvents();
    window.grab().save("/tmp/issue9_overview.png");

    // A click in the middle of the overview centres the large view on its picture's middle.
    QTest::mousePress(overview->SourcePicture(), Qt::LeftButton, {}, QPoint(100, 75));
    QTest::mouseRelease(overview->SourcePicture(), Qt::LeftButton, {}, QPoint(100, 75));
    const TMDPoint center = large->GetViewCenter();
    QVERIFY(std::abs(center.X - 1000) <= 1);
    QVERIFY(std::abs(center.Y - 750) <= 1);

    // Clearing the large view empties the overview.
    large->ClearImage();
    QVERIFY(!overview->HasImage());
}

void TMDImageViewScrollBoxTest::GrabShowsPictureOverlaysAndBand() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 320, 240);
    view.LoadImageBitmap(Gradient(400, 300));
    view.SetImageZoom(50);
    view.GridSettings().Add("通常", 20, 20, 50, 50, {255, 0, 0});
    view.GridSettings().Select(0);
    QFont viewFont = view.font();
    viewFont.setPointSize(11);
    view.setFont(viewFont);
    TMDFont font = view.LabelSettings().DefaultFont();
    QCOMPARE(font.Size, 11);
    font.Size = 14;
    font.Color = {0, 0, 255};
    view.LabelSettings().Add(200, 150, "ダンバートン", font);
    view.LabelSettings().Add(80, 60, "＋", font);
    view.LabelSettings().Draw();
    view.SetImageMouseTool(mtmMouseRect);
    QTest::mousePress(view.ZoomedPicture(), Qt::LeftButton, {}, QPoint(20, 120));
    QTest::mouseMove(view.ZoomedPicture(), QPoint(120, 180));
    QCoreApplication::processEvents();
    const QImage shot = view.grab().toImage();
    shot.save("/tmp/issue9_image_view.png");
    // Inside the band the picture is inverted; outside it is shown as it is.
    const QImage layer = view.ZoomedPicture()->grab().toImage();
    const QRgb inside = layer.pixel(60, 135);
    const QRgb plain = BitmapToQImage(view.DisplayedGraphic()).pixel(60, 135);
    QCOMPARE(qRed(inside), 255 - qRed(plain));
    QCOMPARE(qGreen(inside), 255 - qGreen(plain));
    QCOMPARE(layer.pixel(150, 20), BitmapToQImage(view.DisplayedGraphic()).pixel(150, 20));
    QTest::mouseRelease(view.ZoomedPicture(), Qt::LeftButton, {}, QPoint(120, 180));
    QCOMPARE(view.ZoomedPicture()->grab().toImage().pixel(60, 135), plain);
}

void TMDImageViewScrollBoxTest::ScrollDragMovesThePictureWithTheMouse() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 300, 200);
    view.LoadImageBitmap(Gradient(1000, 800));
    QCoreApplication::processEvents();
    view.SetImageMouseTool(mtmMouseMove);
    QCOMPARE(view.SourcePicture()->cursor().shape(), Qt::SizeAllCursor);
    std::vector<TMDPoint> moves;
    view.OnImageMouseMove = [&](TMDImageViewScrollBox*, Qt::KeyboardModifiers, int x, int y) {
        moves.push_back({x, y});
    };
    QWidget* layer = view.SourcePicture();
    QTest::mousePress(layer, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(layer, QPoint(60, 70));
    // Dragging left and up by (40, 30) scrolls right and down by as much.
    QCOMPARE(view.horizontalScrollBar()->value(), 40);
    QCOMPARE(view.verticalScrollBar()->value(), 30);
    QVERIFY(!moves.empty());
    QCOMPARE(moves.back(), (TMDPoint{60, 70}));
    QTest::mouseRelease(layer, Qt::LeftButton, {}, QPoint(60, 70));
    const QPoint after = layer->pos();
    QTest::mouseMove(layer, QPoint(10, 10));
    QCOMPARE(layer->pos(), after);
    QCOMPARE(view.OriginMarker()->pos(), QPoint(-40, -30));

    // A load that keeps the scroll positions shows the same place of the new picture.
    TempFolder folder;
    SaveBmpFile(folder.Path() + "next.bmp", Gradient(1000, 800));
    view.LoadImageFile(QString::fromStdString(folder.Path() + "next.bmp"), true);
    QCOMPARE(view.horizontalScrollBar()->value(), 40);
    QCOMPARE(view.verticalScrollBar()->value(), 30);
}

void TMDImageViewScrollBoxTest::ZoomingOutAndBackKeepsTheCentre() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 400, 300);
    view.LoadImageBitmap(Gradient(1200, 900));
    QCoreApplication::processEvents();
    view.ScrollToCenter(700, 500);
    const TMDPoint center = view.GetViewCenter();
    const int x = view.horizontalScrollBar()->value(), y = view.verticalScrollBar()->value();
    view.SetImageZoom(50);
    QVERIFY(std::abs(view.GetViewCenter().X - center.X) <= 2);
    QVERIFY(std::abs(view.GetViewCenter().Y - center.Y) <= 2);
    view.SetImageZoom(100);
    QVERIFY(std::abs(view.horizontalScrollBar()->value() - x) <= 2);
    QVERIFY(std::abs(view.verticalScrollBar()->value() - y) <= 2);
}

void TMDImageViewScrollBoxTest::FitModeRefitsWhenTheBoxIsResized() {
    TMDImageViewScrollBox view;
    view.show();
    SetAvailable(view, 500, 400);
    view.SetImageZoomMode(izmWholeDisp);
    view.LoadImageBitmap(Gradient(2000, 1000));
    QCOMPARE(view.ImageZoom(), 25);
    SetAvailable(view, 1000, 800);
    QCOMPARE(view.ImageZoom(), 50);
    QCOMPARE(view.ZoomedPicture()->size(), QSize(1000, 500));
    QCOMPARE(view.ZoomedPicture()->pos(), QPoint(0, 150));
}

QTEST_MAIN(TMDImageViewScrollBoxTest)
#include "image_view_test.moc"
