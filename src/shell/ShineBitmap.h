#pragma once

#include "shell/ShineButtonTypes.h"

#include <vector>

// A small colour bitmap, row by row from the top.
struct TShineBitmap {
    int width = 0;
    int height = 0;
    std::vector<TShineRgb> pixels;

    TShineBitmap() = default;
    TShineBitmap(int w, int h, TShineRgb fill = {})
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool Empty() const { return width <= 0 || height <= 0; }
    TShineRgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const TShineRgb& At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
    friend bool operator==(const TShineBitmap&, const TShineBitmap&) = default;
};
