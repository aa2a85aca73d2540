#include "shell/ShineFace.h"

int GradientChannel(int c0, int c1, int pos, int extent) {
    return c0 + pos * (c1 - c0) / extent;
}

TShineRgb GradientColor(TShineRgb c0, TShineRgb c1, int pos, int extent) {
    return {static_cast<std::uint8_t>(GradientChannel(c0.r, c1.r, pos, extent)),
            static_cast<std::uint8_t>(GradientChannel(c0.g, c1.g, pos, extent)),
            static_cast<std::uint8_t>(GradientChannel(c0.b, c1.b, pos, extent))};
}

TShineBitmap PaintShineFace(const TShineBtnColors& colors, int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    TShineBitmap face(width, height, colors.Color);
    if (!colors.Gradation)
        return face;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            face.At(x, y) = colors.GradVertical
                                ? GradientColor(colors.Color, colors.GradColor, y, height)
                                : GradientColor(colors.Color, colors.GradColor, x, width);
    return face;
}
