#include "maps/MDImageMouseTracker.h"

TMDMouseActions TMDImageMouseTracker::Press(TImageMouseTool tool, const TMDLayerInfo& layer, int x,
                                            int y, TMDPoint screen, TMDPoint scroll) {
    TMDMouseActions actions;
    clicked_ = false;
    switch (tool) {
    case mtmMouseMove:
        dragging_ = true;
        dragScreen_ = screen;
        dragScroll_ = scroll;
        break;
    case mtmMouseRect:
        x1_ = x2_ = x;
        y1_ = y2_ = y;
        rectInProgress_ = true;
        break;
    case mtmSynchroRect:
        steering_ = true;
        actions.SteerTo = layer.ToPicture(x, y);
        break;
    case mtmNone:
    case mtmMouseClick:
        break;
    }
    return actions;
}

TMDMouseActions TMDImageMouseTracker::Move(TImageMouseTool tool, const TMDLayerInfo& layer, int x,
                                           int y, TMDPoint screen) {
    TMDMouseActions actions;
    actions.MouseMove = layer.ToPicture(x, y);
    if (tool == mtmMouseMove && dragging_)
        actions.Scroll = TMDPoint{dragScroll_.X + (dragScreen_.X - screen.X),
                                  dragScroll_.Y + (dragScreen_.Y - screen.Y)};
    if (tool == mtmMouseRect && rectInProgress_) {
        x = ClampToLayer(x, layer.Width);
        y = ClampToLayer(y, layer.Height);
        actions.EraseBand = TMDRect{x1_, y1_, x2_, y2_};
        actions.DrawBand = TMDRect{x1_, y1_, x, y};
        x2_ = x;
        y2_ = y;
    }
    if (tool == mtmSynchroRect && steering_)
        actions.SteerTo = layer.ToPicture(x, y);
    return actions;
}

TMDMouseActions TMDImageMouseTracker::Release(TImageMouseTool tool, const TMDLayerInfo& layer,
                                              int x, int y, int pictureWidth, int pictureHeight) {
    TMDMouseActions actions;
    dragging_ = false;
    steering_ = false;
    if (tool == mtmMouseRect && rectInProgress_) {
        actions.EraseBand = TMDRect{x1_, y1_, x2_, y2_};
        actions.Selected = CompleteImageRect(layer, x1_, y1_, x, y, pictureWidth, pictureHeight);
        rectInProgress_ = false;
    }
    if (tool == mtmMouseClick && clicked_)
        actions.Click = layer.ToPicture(x, y);
    return actions;
}
