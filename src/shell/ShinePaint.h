#pragma once

#include "shell/ShineButtonTypes.h"

#include <vector>

// The colour sets and frame switches the flat button paints with.
struct TShinePaintLook {
    TShineBtnColors Colors;
    TShineBtnColors PressedColors;
    TShineBtnColors ActiveColors;
    bool ActiveColorsEnabled = false;
    TFrameType FrameType = TFrameType::ftNormalFrame;
    bool ActiveFrame = true;
    bool UpFrame = true;
    bool DownFrame = true;
};

// The colour set of the face in a state.
const TShineBtnColors& FaceColorSet(const TShinePaintLook& look, TShineState state);

// A frame line from (x1, y1) towards (x2, y2); the end point itself is not drawn.
struct TFrameLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    TShineRgb color;
    friend bool operator==(const TFrameLine&, const TFrameLine&) = default;
};

struct TShineFrame {
    std::vector<TFrameLine> lines;
    // The enclosed frame's rectangle round the whole button, (0, 0)-(width - 1, height - 1).
    bool outline = false;
    TShineRgb outlineColor;
};

// The frame of the state, in drawing order; no lines when the state draws no frame.
TShineFrame ShineFrameFor(const TShinePaintLook& look, TShineState state, int width, int height);
