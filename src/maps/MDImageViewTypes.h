#pragma once

#include <cstdint>

// What a mouse press on the picture does.
enum TImageMouseTool { mtmNone, mtmMouseMove, mtmMouseRect, mtmMouseClick, mtmSynchroRect };
// Show at the percentage ImageZoom, or fit the whole picture into the box.
enum TImageZoomMode { izmZoomDisp, izmWholeDisp };

struct TMDPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const TMDPoint&) const = default;
};

struct TMDSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const TMDSize&) const = default;
};

struct TMDRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TMDRect&) const = default;
};

struct TMDColor {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool operator==(const TMDColor&) const = default;
};
