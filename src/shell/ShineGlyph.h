#pragma once

#include "shell/ShineBitmap.h"

#include <vector>

// The glyph's transparent colour is its bottom-left pixel.
TShineRgb GlyphTransparentColor(const TShineBitmap& glyph);

// A one-bit glyph in colour: set bits take setColor (the control's colour), clear bits
// clearColor (the font colour). bits are row by row from the top.
TShineBitmap ExpandMonochromeGlyph(const std::vector<bool>& bits, int width, int height,
                                   TShineRgb setColor, TShineRgb clearColor);

// The lit glyph while hot; shine is ShineColor. Transparent pixels stay as they are except
// where the frame effects draw the outline into them.
TShineBitmap ApplyActiveImage(const TShineBitmap& glyph, TActiveImageType type, TShineRgb shine);

// The glyph up, down or disabled (diDefault leaves it unchanged); face is Colors.Color.
TShineBitmap ApplyDecorationImage(const TShineBitmap& glyph, TDecorationImageType type,
                                  TShineRgb face);

// White where a pixel differs from its neighbour one down and one right, or where its right
// neighbour differs from the pixel below it; black elsewhere. Neighbours beyond the glyph count
// as its transparent colour.
TShineBitmap GlyphEdgeMask(const TShineBitmap& glyph);

struct TShineGlyphLook {
    TActiveImageType ActiveImage = TActiveImageType::aiFrameLight;
    TDecorationImageType UpImage = TDecorationImageType::diDefault;
    TDecorationImageType DownImage = TDecorationImageType::diDefault;
    TDecorationImageType DisabledImage = TDecorationImageType::diDefault;
    TShineRgb ShineColor{255, 255, 0};
    TShineRgb FaceColor; // Colors.Color
};

struct TPreparedGlyph {
    TShineBitmap bitmap;
    TShineRgb transparent;
    // The edge mask of a disabled diDefault glyph, drawn embossed rather than as a picture.
    bool edgeMask = false;
};

TPreparedGlyph PrepareGlyph(const TShineBitmap& glyph, TShineState state,
                            const TShineGlyphLook& look);
