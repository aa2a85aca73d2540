#include "maps/MDImageMouseTracker.h"
#include "maps/MDImageViewMath.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

TEST(MDImageViewZoom, FitsPicturesIntoTheAvailableArea) {
    struct Case {
        int aw, ah, w, h, zoom;
        TMDSize copy;
    };
    const std::vector<Case> cases = {
        {800, 600, 400, 300, 100, {400, 300}}, // small pictures show at their own size
        {500, 400, 2000, 1000, 25, {500, 250}}, {500, 400, 3, 1000, 40, {1, 400}},
        {53, 200, 100, 100, 52, {52, 52}}, // 53 / 100 is stored just below 0.53
        {500, 500, 1000, 1000, 50, {500, 500}},
    };
    for (const Case& c : cases) {
        const int zoom = FitImageZoom(c.aw, c.ah, c.w, c.h);
        EXPECT_EQ(zoom, c.zoom) << c.w << "x" << c.h << " in " << c.aw << "x" << c.ah;
        EXPECT_EQ(ZoomedBitmapSize(zoom, c.w, c.h), c.copy) << c.w << "x" << c.h;
    }
    // Centred in the available area: (800 - 400) div 2 and (400 - 250) div 2.
    EXPECT_EQ(CenteredLayerOffset(800, 400, 0), 200);
    EXPECT_EQ(CenteredLayerOffset(400, 250, 0), 75);
    EXPECT_EQ(CenteredLayerOffset(400, 250, -30), 45);
    EXPECT_EQ(CenteredLayerOffset(10, 13, 0), -1); // div truncates towards zero
}

TEST(MDImageViewZoom, FixedZoomIsClampedAndSizesTruncate) {
    EXPECT_EQ(ClampImageZoom(5), 10);
    EXPECT_EQ(ClampImageZoom(250), 200);
    EXPECT_EQ(ClampImageZoom(73), 73);
    EXPECT_EQ(ZoomedBitmapSize(53, 100, 100), (TMDSize{52, 52}));
    EXPECT_EQ(ZoomedBitmapSize(200, 7, 3), (TMDSize{14, 6}));
    // The fallback stretch rounds half to even.
    EXPECT_EQ(FallbackStretchSize(50, 5, 7), (TMDSize{2, 4}));
    EXPECT_EQ(FallbackStretchSize(53, 100, 100), (TMDSize{53, 53}));
}

TEST(MDImageViewGeometry, ViewCenterAndRectMeasureInPicturePixels) {
    // Zoom 30, client 300 x 200, scroll (90, 0), zoomed layer 600 x 150.
    const TMDViewGeometry view{30, 300, 200, 90, 0, 600, 150};
    EXPECT_EQ(ViewCenter(view), (TMDPoint{800, 250}));
    // Left 90, right 390 (Ceil(100 / 30 x 390) = 1300); the whole height 0 ... 150 -> 500.
    EXPECT_EQ(ViewRect(view), (TMDRect{300, 0, 1300, 500}));
    // At zoom 100 nothing is converted.
    const TMDViewGeometry plain{100, 300, 200, 40, 10, 1000, 800};
    EXPECT_EQ(ViewCenter(plain), (TMDPoint{190, 110}));
    EXPECT_EQ(ViewRect(plain), (TMDRect{40, 10, 340, 210}));
}

TEST(MDImageViewGeometry, ScrollToCenterOnlyScrollsLargeLayers) {
    const TMDViewGeometry view{50, 300, 200, 0, 0, 500, 150};
    const TMDScrollPositions s = ScrollPositionsForCenter(view, 501, 100);
    EXPECT_EQ(s.X, 250 - 150); // Floor(0.5 x 501) - 300 div 2
    EXPECT_FALSE(s.Y.has_value());
}

TEST(MDImageViewGeometry, ZoomingOutAndBackKeepsTheCentre) {
    TMDViewGeometry view{100, 300, 200, 350, 300, 1000, 800};
    const TMDPoint center = ViewCenter(view);
    EXPECT_EQ(center, (TMDPoint{500, 400}));
    view = {50, 300, 200, 0, 0, 500, 400};
    const TMDScrollPositions half = ScrollPositionsForCenter(view, center.X, center.Y);
    view.ScrollX = *half.X;
    view.ScrollY = *half.Y;
    const TMDPoint again = ViewCenter(view);
    view = {100, 300, 200, 0, 0, 1000, 800};
    const TMDScrollPositions back = ScrollPositionsForCenter(view, again.X, again.Y);
    EXPECT_EQ(back.X, 350);
    EXPECT_EQ(back.Y, 300);
}

TEST(MDImageViewGeometry, LayerPointsBecomePicturePoints) {
    const std::vector<std::tuple<int, int, bool, int>> cases = {
        {101, 50, true, 202}, {33, 50, true, 66}, {10, 30, true, 33},
        {10, 30, false, 10},  {7, 200, true, 3},  {0, 10, true, 0}};
    for (auto [v, zoom, zoomed, expected] : cases)
        EXPECT_EQ(LayerToPicture(v, zoom, zoomed), expected) << v << " at " << zoom;
}

TEST(MDImageViewRect, SmallRectanglesAreIgnoredAndLargeOnesClamped) {
    const TMDLayerInfo source{false, 100, 400, 300};
    EXPECT_FALSE(CompleteImageRect(source, 50, 50, 52, 120, 400, 300)); // width 2
    EXPECT_FALSE(CompleteImageRect(source, 50, 50, 120, 52, 400, 300)); // height 2
    EXPECT_EQ(CompleteImageRect(source, 50, 50, 53, 53, 400, 300), (TMDRect{50, 50, 53, 53}));
    // Dragged beyond the picture's bottom-right and released back to front.
    EXPECT_EQ(CompleteImageRect(source, 350, 250, 900, -40, 400, 300), (TMDRect{350, 0, 400, 250}));
    // On the zoomed layer at 50 the corners are converted: (10, 20)-(60, 90) -> doubled.
    const TMDLayerInfo zoomed{true, 50, 200, 150};
    EXPECT_EQ(CompleteImageRect(zoomed, 60, 90, 10, 20, 400, 300), (TMDRect{20, 40, 120, 180}));
    // Clamped to the layer first (200 x 150), which is the whole picture.
    EXPECT_EQ(CompleteImageRect(zoomed, 0, 0, 999, 999, 400, 300), (TMDRect{0, 0, 400, 300}));
}

TEST(MDImageViewMouse, ScrollDragFollowsTheScreenPosition) {
    TMDImageMouseTracker t;
    const TMDLayerInfo layer{false, 100, 400, 300};
    t.Press(mtmMouseMove, layer, 5, 5, {1000, 500}, {40, 30});
    EXPECT_EQ(t.Move(mtmMouseMove, layer, 0, 0, {990, 520}).Scroll, (TMDPoint{50, 10}));
    t.Release(mtmMouseMove, layer, 0, 0, 400, 300);
    EXPECT_FALSE(t.Move(mtmMouseMove, layer, 0, 0, {900, 400}).Scroll);
}

TEST(MDImageViewMouse, RubberBandErasesTheLastAndDrawsTheNext) {
    TMDImageMouseTracker t;
    const TMDLayerInfo layer{true, 50, 200, 150};
    t.Press(mtmMouseRect, layer, 10, 20, {}, {});
    TMDMouseActions a = t.Move(mtmMouseRect, layer, 30, 40, {});
    EXPECT_EQ(a.EraseBand, (TMDRect{10, 20, 10, 20}));
    EXPECT_EQ(a.DrawBand, (TMDRect{10, 20, 30, 40}));
    EXPECT_EQ(a.MouseMove, (TMDPoint{60, 80}));
    a = t.Move(mtmMouseRect, layer, 500, -5, {}); // clamped to the layer
    EXPECT_EQ(a.EraseBand, (TMDRect{10, 20, 30, 40}));
    EXPECT_EQ(a.DrawBand, (TMDRect{10, 20, 200, 0}));
    EXPECT_EQ(a.MouseMove, (TMDPoint{1000, -10})); // the mouse itself is not clamped
    a = t.Release(mtmMouseRect, layer, 500, -5, 400, 300);
    EXPECT_EQ(a.EraseBand, (TMDRect{10, 20, 200, 0}));
    EXPECT_EQ(a.Selected, (TMDRect{20, 0, 400, 40}));
    EXPECT_FALSE(t.RectInProgress());
}

TEST(MDImageViewMouse, ClicksNeedTheClickedFlag) {
    TMDImageMouseTracker t;
    const TMDLayerInfo layer{true, 30, 100, 100};
    t.Press(mtmMouseClick, layer, 10, 10, {}, {});
    t.Clicked();
    EXPECT_EQ(t.Release(mtmMouseClick, layer, 10, 10, 333, 333).Click, (TMDPoint{33, 33}));
    // A release without a click (the press started elsewhere) reports nothing, and every
    // press clears the flag.
    t.Clicked();
    t.Press(mtmMouseClick, layer, 10, 10, {}, {});
    EXPECT_FALSE(t.Release(mtmMouseClick, layer, 10, 10, 333, 333).Click);
}

TEST(MDImageViewMouse, SteeringFollowsPressAndDragUntilRelease) {
    TMDImageMouseTracker t;
    const TMDLayerInfo layer{false, 100, 200, 150};
    EXPECT_EQ(t.Press(mtmSynchroRect, layer, 100, 75, {}, {}).SteerTo, (TMDPoint{100, 75}));
    EXPECT_EQ(t.Move(mtmSynchroRect, layer, 120, 80, {}).SteerTo, (TMDPoint{120, 80}));
    // Releasing in any tool ends the steering.
    t.Release(mtmNone, layer, 0, 0, 200, 150);
    EXPECT_FALSE(t.Move(mtmSynchroRect, layer, 1, 1, {}).SteerTo);
    EXPECT_FALSE(t.Press(mtmNone, layer, 1, 1, {}, {}).SteerTo);
}

TEST(MDImageViewLabels, CentredWithAWhiteHaloAllAround) {
    const TMDPoint topLeft = LabelTopLeft(100, 50, 20, 12);
    EXPECT_EQ(topLeft, (TMDPoint{90, 44}));
    const auto halo = LabelHaloPositions(topLeft);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const TMDPoint p{90 + dx, 44 + dy};
            const bool present = std::find(halo.begin(), halo.end(), p) != halo.end();
            EXPECT_EQ(present, dx != 0 || dy != 0) << dx << "," << dy;
        }
}

TEST(MDImageViewLinking, OverviewOfALargeViewScrolledToItsCorner) {
    // L shows a 2000 x 1500 picture at zoom 100 in a 500 x 400 client, scrolled to the end.
    const TMDViewGeometry large{100, 500, 400, 1500, 1100, 2000, 1500};
    // G fits it into 200 x 200: scale 0.1, a 200 x 150 copy.
    const long double scale = OverviewScale(izmWholeDisp, 200, 200, 2000, 1500, 50);
    const TMDSize overview = OverviewBitmapSize(scale, 2000, 1500);
    EXPECT_EQ(overview, (TMDSize{200, 150}));
    EXPECT_EQ(OverviewMark(overview.Width, overview.Height, ViewRect(large), 2000, 1500),
              (TMDRect{150, 110, 200, 150})); // touches the overview's bottom-right edge
    EXPECT_EQ(OverviewCenter(overview.Width, overview.Height, ViewCenter(large), 2000, 1500),
              (TMDPoint{175, 130}));
    // Clicking the middle of the overview centres L on the middle of its picture.
    EXPECT_EQ(SteerTarget({100, 75}, 200, 150, 2000, 1500), (TMDPoint{1000, 750}));
    // In zoom mode the copy is SynchroImageZoom percent.
    EXPECT_EQ(OverviewBitmapSize(OverviewScale(izmZoomDisp, 200, 200, 2000, 1500, 30), 2000, 1500),
              (TMDSize{600, 450}));
    // A mark on a zoomed layer is scaled down; at 100 it is kept.
    EXPECT_EQ(MarkOnLayer({150, 110, 200, 150}, 30), (TMDRect{45, 33, 60, 45}));
    EXPECT_EQ(MarkOnLayer({150, 110, 200, 150}, 100), (TMDRect{150, 110, 200, 150}));
}
