#include "maps/MDImageViewMath.h"

#include <algorithm>
#include <cmath>

namespace {

using Real = long double;

int Trunc(Real v) {
    return static_cast<int>(std::trunc(v));
}
int Floor(Real v) {
    return static_cast<int>(std::floor(v));
}
int Ceil(Real v) {
    return static_cast<int>(std::ceil(v));
}
// Half to even, as the default rounding mode does.
int Round(Real v) {
    return static_cast<int>(std::rint(v));
}

Real FitRatio(int available, int size) {
    return size > available ? Real(available) / size : 1;
}

// A picture-side value shown at a zoom other than 100 is measured back in picture pixels.
int UnZoomCeil(int value, int zoom) {
    return zoom == 100 ? value : Ceil(Real(100) / zoom * value);
}

} // namespace

int FitImageZoom(int availableWidth, int availableHeight, int pictureWidth, int pictureHeight) {
    const Real h = FitRatio(availableWidth, pictureWidth);
    const Real v = FitRatio(availableHeight, pictureHeight);
    return Trunc((v < h ? v : h) * 100);
}

int ClampImageZoom(int zoom) {
    return std::clamp(zoom, kMinImageZoom, kMaxImageZoom);
}

TMDSize ZoomedBitmapSize(int zoom, int width, int height) {
    const Real f = Real(zoom) / 100;
    return {Trunc(f * width), Trunc(f * height)};
}

TMDSize FallbackStretchSize(int zoom, int width, int height) {
    const Real f = Real(zoom) / 100;
    return {Round(f * width), Round(f * height)};
}

int CenteredLayerOffset(int available, int layerSize, int originOffset) {
    return (available - layerSize) / 2 + originOffset;
}

TMDPoint ViewCenter(const TMDViewGeometry& view) {
    const int x = view.ClientWidth < view.LayerWidth ? view.ClientWidth / 2 + view.ScrollX
                                                     : view.LayerWidth / 2;
    const int y = view.ClientHeight < view.LayerHeight ? view.ClientHeight / 2 + view.ScrollY
                                                       : view.LayerHeight / 2;
    return {UnZoomCeil(x, view.ImageZoom), UnZoomCeil(y, view.ImageZoom)};
}

TMDRect ViewRect(const TMDViewGeometry& view) {
    TMDRect r;
    if (view.ClientWidth < view.LayerWidth) {
        r.Left = view.ScrollX;
        r.Right = view.ClientWidth + view.ScrollX;
    } else {
        r.Right = view.LayerWidth;
    }
    if (view.ClientHeight < view.LayerHeight) {
        r.Top = view.ScrollY;
        r.Bottom = view.ClientHeight + view.ScrollY;
    } else {
        r.Bottom = view.LayerHeight;
    }
    const int z = view.ImageZoom;
    return {UnZoomCeil(r.Left, z), UnZoomCeil(r.Top, z), UnZoomCeil(r.Right, z),
            UnZoomCeil(r.Bottom, z)};
}

TMDScrollPositions ScrollPositionsForCenter(const TMDViewGeometry& view, int x, int y) {
    if (view.ImageZoom != 100) {
        const Real f = Real(view.ImageZoom) / 100;
        x = Floor(f * x);
        y = Floor(f * y);
    }
    TMDScrollPositions result;
    if (view.LayerWidth >= view.ClientWidth)
        result.X = x - view.ClientWidth / 2;
    if (view.LayerHeight >= view.ClientHeight)
        result.Y = y - view.ClientHeight / 2;
    return result;
}

int LayerToPicture(int value, int zoom, bool zoomedLayer) {
    return zoomedLayer && zoom > 0 ? Trunc(value / (Real(zoom) / 100)) : value;
}

int ClampToLayer(int value, int layerSize) {
    return std::clamp(value, 0, std::max(layerSize, 0));
}

std::optional<TMDRect> CompleteImageRect(const TMDLayerInfo& layer, int x1, int y1, int x, int y,
                                         int pictureWidth, int pictureHeight) {
    x = ClampToLayer(x, layer.Width);
    y = ClampToLayer(y, layer.Height);
    const TMDPoint a = layer.ToPicture(std::min(x1, x), std::min(y1, y));
    const TMDPoint b = layer.ToPicture(std::max(x1, x), std::max(y1, y));
    const TMDRect r{ClampToLayer(a.X, pictureWidth), ClampToLayer(a.Y, pictureHeight),
                    ClampToLayer(b.X, pictureWidth), ClampToLayer(b.Y, pictureHeight)};
    if (r.Right - r.Left > 2 && r.Bottom - r.Top > 2)
        return r;
    return std::nullopt;
}

TMDPoint LabelTopLeft(int x, int y, int textWidth, int textHeight) {
    return {x - textWidth / 2, y - textHeight / 2};
}

std::array<TMDPoint, 8> LabelHaloPositions(TMDPoint p) {
    return {{{p.X - 1, p.Y - 1},
             {p.X, p.Y - 1},
             {p.X + 1, p.Y - 1},
             {p.X - 1, p.Y},
             {p.X + 1, p.Y},
             {p.X - 1, p.Y + 1},
             {p.X, p.Y + 1},
             {p.X + 1, p.Y + 1}}};
}

long double OverviewScale(TImageZoomMode mode, int availableWidth, int availableHeight, int gw,
                          int gh, int synchroImageZoom) {
    if (mode == izmWholeDisp) {
        const Real h = FitRatio(availableWidth, gw);
        const Real v = FitRatio(availableHeight, gh);
        return v < h ? v : h;
    }
    return Real(synchroImageZoom) / 100;
}

TMDSize OverviewBitmapSize(long double scale, int gw, int gh) {
    return {Trunc(scale * gw), Trunc(scale * gh)};
}

TMDPoint OverviewCenter(int overviewWidth, int overviewHeight, TMDPoint center, int gw, int gh) {
    return {Floor(overviewWidth * (Real(center.X) / gw)),
            Floor(overviewHeight * (Real(center.Y) / gh))};
}

TMDRect OverviewMark(int overviewWidth, int overviewHeight, const TMDRect& shown, int gw, int gh) {
    return {Floor(overviewWidth * (Real(shown.Left) / gw)),
            Floor(overviewHeight * (Real(shown.Top) / gh)),
            Floor(overviewWidth * (Real(shown.Right) / gw)),
            Floor(overviewHeight * (Real(shown.Bottom) / gh))};
}

TMDRect MarkOnLayer(const TMDRect& mark, int zoom) {
    if (zoom == 100)
        return mark;
    const Real f = Real(zoom) / 100;
    return {Floor(f * mark.Left), Floor(f * mark.Top), Floor(f * mark.Right),
            Floor(f * mark.Bottom)};
}

TMDPoint SteerTarget(TMDPoint p, int gw, int gh, int largeWidth, int largeHeight) {
    return {Floor((Real(p.X) / gw) * largeWidth), Floor((Real(p.Y) / gh) * largeHeight)};
}
