#pragma once

#include "maps/MDImageViewMath.h"

#include <optional>

// What the view must do after a mouse event on a picture layer.
struct TMDMouseActions {
    std::optional<TMDPoint> Scroll;    // new scroll positions of a scroll drag
    std::optional<TMDPoint> SteerTo;   // picture point to steer the linked large view to
    std::optional<TMDRect> EraseBand;  // rubber band to erase (layer coordinates)
    std::optional<TMDRect> DrawBand;   // rubber band to draw (layer coordinates)
    std::optional<TMDPoint> Click;     // OnImageClick at this picture point
    std::optional<TMDRect> Selected;   // OnImageRect with this picture rectangle
    std::optional<TMDPoint> MouseMove; // OnImageMouseMove at this picture point
};

// The mouse tools' state: scroll drag, rubber band, steering and the clicked flag. Points are
// in the coordinates of the pressed layer, screen positions in screen pixels.
class TMDImageMouseTracker {
  public:
    TMDMouseActions Press(TImageMouseTool tool, const TMDLayerInfo& layer, int x, int y,
                          TMDPoint screen, TMDPoint scroll);
    TMDMouseActions Move(TImageMouseTool tool, const TMDLayerInfo& layer, int x, int y,
                         TMDPoint screen);
    // The platform reports a click on the picture before the release.
    void Clicked() { clicked_ = true; }
    TMDMouseActions Release(TImageMouseTool tool, const TMDLayerInfo& layer, int x, int y,
                            int pictureWidth, int pictureHeight);

    bool Dragging() const { return dragging_; }
    bool RectInProgress() const { return rectInProgress_; }
    bool Steering() const { return steering_; }

  private:
    bool dragging_ = false;
    TMDPoint dragScreen_;
    TMDPoint dragScroll_;
    bool rectInProgress_ = false;
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    bool steering_ = false;
    bool clicked_ = false;
};
