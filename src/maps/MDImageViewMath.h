#pragma once

#include "maps/MDImageViewTypes.h"

#include <array>
#include <optional>

// The arithmetic of the image view. Ratios and products are computed in long double (a 64-bit
// significand) in the order written and only then truncated, floored, ceiled or rounded: the
// edges of zoom fitting and coordinate mapping depend on it.

constexpr int kMinImageZoom = 10;
constexpr int kMaxImageZoom = 200;

// The percentage that fits a picture into the available area, never above 100.
int FitImageZoom(int availableWidth, int availableHeight, int pictureWidth, int pictureHeight);
int ClampImageZoom(int zoom);
// Size of the resampled copy at a zoom: Trunc(zoom / 100 x side).
TMDSize ZoomedBitmapSize(int zoom, int width, int height);
// Size to which a plain copy is stretched when resampling failed: Round(zoom / 100 x side).
TMDSize FallbackStretchSize(int zoom, int width, int height);
// Left (or top) of a layer centred in the available area, relative to the content origin.
int CenteredLayerOffset(int available, int layerSize, int originOffset);

// What the view shows: the zoom, the client area (scroll bars excluded), the scroll positions
// and the size of the visible picture layer.
struct TMDViewGeometry {
    int ImageZoom = 100;
    int ClientWidth = 0;
    int ClientHeight = 0;
    int ScrollX = 0;
    int ScrollY = 0;
    int LayerWidth = 0;
    int LayerHeight = 0;
};

// Picture point at the middle of what is shown.
TMDPoint ViewCenter(const TMDViewGeometry& view);
// The part of the source picture that is shown.
TMDRect ViewRect(const TMDViewGeometry& view);

// New scroll positions that put picture point (x, y) in the middle; an axis along which the
// layer is smaller than the client area is not scrolled.
struct TMDScrollPositions {
    std::optional<int> X;
    std::optional<int> Y;
};
TMDScrollPositions ScrollPositionsForCenter(const TMDViewGeometry& view, int x, int y);

// A mouse coordinate on the pressed layer in picture coordinates.
int LayerToPicture(int value, int zoom, bool zoomedLayer);
int ClampToLayer(int value, int layerSize);

// The layer a mouse event arrived on.
struct TMDLayerInfo {
    bool Zoomed = false; // the zoomed copy rather than the source picture
    int Zoom = 100;
    int Width = 0;
    int Height = 0;
    TMDPoint ToPicture(int x, int y) const {
        return {LayerToPicture(x, Zoom, Zoomed), LayerToPicture(y, Zoom, Zoomed)};
    }
};

// A dragged rectangle from (x1, y1) to the release point (x, y), both in layer coordinates,
// as a picture rectangle clamped to the picture; nothing when 2 pixels or less either way.
std::optional<TMDRect> CompleteImageRect(const TMDLayerInfo& layer, int x1, int y1, int x, int y,
                                         int pictureWidth, int pictureHeight);

// Top-left corner of a label of the given text size centred on (x, y).
TMDPoint LabelTopLeft(int x, int y, int textWidth, int textHeight);
// The eight positions around a label's corner where its white halo is drawn.
std::array<TMDPoint, 8> LabelHaloPositions(TMDPoint topLeft);

// Linking an overview G to a large view L.
// Scale of the overview's reduced copy of L's picture (gw x gh).
long double OverviewScale(TImageZoomMode mode, int availableWidth, int availableHeight, int gw,
                          int gh, int synchroImageZoom);
TMDSize OverviewBitmapSize(long double scale, int gw, int gh);
// Point of the overview picture (overviewWidth x overviewHeight) matching L's view centre.
TMDPoint OverviewCenter(int overviewWidth, int overviewHeight, TMDPoint center, int gw, int gh);
// The overview's mark of L's shown rectangle.
TMDRect OverviewMark(int overviewWidth, int overviewHeight, const TMDRect& shown, int gw, int gh);
// A mark in picture coordinates placed on the visible layer at a zoom.
TMDRect MarkOnLayer(const TMDRect& mark, int zoom);
// Point of L (largeWidth x largeHeight) to centre when the overview (gw x gh) is steered to p.
TMDPoint SteerTarget(TMDPoint p, int gw, int gh, int largeWidth, int largeHeight);
