#pragma once

// The window zoom animation shows the window through an ellipse centred on it, with half-axes
// width div step and height div step, for steps 1 to 20.
constexpr int ZoomSteps = 20;

struct TZoomEllipse {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const TZoomEllipse&, const TZoomEllipse&) = default;
};

// The bounding box of the ellipse of a step (1 is the largest).
TZoomEllipse ZoomEllipse(int width, int height, int step);
