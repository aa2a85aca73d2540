#include "shell/ShineGlyph.h"

#include <algorithm>

namespace {

template <typename F> TShineRgb PerChannel(TShineRgb c, F f) {
    return {static_cast<std::uint8_t>(f(c.r, 0)), static_cast<std::uint8_t>(f(c.g, 1)),
            static_cast<std::uint8_t>(f(c.b, 2))};
}

int Channel(TShineRgb c, int i) {
    return i == 0 ? c.r : i == 1 ? c.g : c.b;
}

// Recolours every pixel that is not the transparent colour.
template <typename F> TShineBitmap Recolour(const TShineBitmap& glyph, F f) {
    TShineBitmap result = glyph;
    const TShineRgb transparent = GlyphTransparentColor(glyph);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            if (!(glyph.At(x, y) == transparent))
                result.At(x, y) = f(glyph.At(x, y), x, y);
    return result;
}

bool CheckerPixel(int x, int y) {
    return (x + y) % 2 == 0;
}

// Marks background pixels beside (left, right, above, below) a marked pixel.
std::vector<bool> Grow(const std::vector<bool>& mask, int width, int height) {
    std::vector<bool> grown = mask;
    auto marked = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && mask[y * width + x];
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (marked(x - 1, y) || marked(x + 1, y) || marked(x, y - 1) || marked(x, y + 1))
                grown[y * width + x] = true;
    return grown;
}

TShineBitmap Outline(const TShineBitmap& glyph, int thickness, TShineRgb shine) {
    const TShineRgb transparent = GlyphTransparentColor(glyph);
    std::vector<bool> shape(glyph.pixels.size());
    for (std::size_t i = 0; i < shape.size(); ++i)
        shape[i] = !(glyph.pixels[i] == transparent);
    std::vector<bool> grown = shape;
    for (int i = 0; i < thickness; ++i)
        grown = Grow(grown, glyph.width, glyph.height);
    TShineBitmap result = glyph;
    for (std::size_t i = 0; i < shape.size(); ++i)
        if (grown[i] && !shape[i])
            result.pixels[i] = shine;
    return result;
}

} // namespace

TShineRgb GlyphTransparentColor(const TShineBitmap& glyph) {
    return glyph.Empty() ? TShineRgb{} : glyph.At(0, glyph.height - 1);
}

TShineBitmap ExpandMonochromeGlyph(const std::vector<bool>& bits, int width, int height,
                                   TShineRgb setColor, TShineRgb clearColor) {
    TShineBitmap result(width, height);
    for (std::size_t i = 0; i < result.pixels.size() && i < bits.size(); ++i)
        result.pixels[i] = bits[i] ? setColor : clearColor;
    return result;
}

TShineBitmap ApplyActiveImage(const TShineBitmap& glyph, TActiveImageType type, TShineRgb shine) {
    switch (type) {
    case TActiveImageType::aiNoLight:
        return glyph;
    case TActiveImageType::aiXorLight:
        return Recolour(glyph, [&](TShineRgb c, int, int) {
            return PerChannel(c, [&](int v, int i) { return v ^ Channel(shine, i); });
        });
    case TActiveImageType::aiHalfLight:
        return Recolour(glyph, [&](TShineRgb c, int, int) {
            return PerChannel(c, [&](int v, int i) { return (v + Channel(shine, i)) / 2; });
        });
    case TActiveImageType::aiQuaterLight:
        return Recolour(glyph, [&](TShineRgb c, int, int) {
            return PerChannel(c, [&](int v, int i) { return (v + 3 * Channel(shine, i)) / 4; });
        });
    case TActiveImageType::aiAddLight:
        return Recolour(glyph, [&](TShineRgb c, int, int) {
            return PerChannel(c,
                              [&](int v, int i) { return std::min(255, v + Channel(shine, i)); });
        });
    case TActiveImageType::aiMaskLight:
        return Recolour(glyph,
                        [&](TShineRgb c, int x, int y) { return CheckerPixel(x, y) ? shine : c; });
    case TActiveImageType::aiFrameLight:
        return Outline(glyph, 1, shine);
    case TActiveImageType::aiFrameLight2:
        return Outline(glyph, 2, shine);
    }
    return glyph;
}

TShineBitmap ApplyDecorationImage(const TShineBitmap& glyph, TDecorationImageType type,
                                  TShineRgb face) {
    switch (type) {
    case TDecorationImageType::diDefault:
        return glyph;
    case TDecorationImageType::diGrayscale:
        return Recolour(glyph, [](TShineRgb c, int, int) {
            const auto grey = static_cast<std::uint8_t>((c.r + c.g + c.b) / 3);
            return TShineRgb{grey, grey, grey};
        });
    case TDecorationImageType::diAlphaHalfTrans:
        return Recolour(glyph, [&](TShineRgb c, int, int) {
            return PerChannel(c, [&](int v, int i) { return (v + Channel(face, i)) / 2; });
        });
    case TDecorationImageType::diAlphaQuaterTrans:
        return Recolour(glyph, [&](TShineRgb c, int, int) {
            return PerChannel(c, [&](int v, int i) { return (v + 3 * Channel(face, i)) / 4; });
        });
    case TDecorationImageType::diMaskTrans: {
        const TShineRgb transparent = GlyphTransparentColor(glyph);
        return Recolour(
            glyph, [&](TShineRgb c, int x, int y) { return CheckerPixel(x, y) ? transparent : c; });
    }
    }
    return glyph;
}

TShineBitmap GlyphEdgeMask(const TShineBitmap& glyph) {
    const TShineRgb transparent = GlyphTransparentColor(glyph);
    auto at = [&](int x, int y) {
        return x < glyph.width && y < glyph.height ? glyph.At(x, y) : transparent;
    };
    const TShineRgb white{255, 255, 255};
    TShineBitmap mask(glyph.width, glyph.height, TShineRgb{0, 0, 0});
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            if (!(at(x, y) == at(x + 1, y + 1)) || !(at(x + 1, y) == at(x, y + 1)))
                mask.At(x, y) = white;
    return mask;
}

TPreparedGlyph PrepareGlyph(const TShineBitmap& glyph, TShineState state,
                            const TShineGlyphLook& look) {
    switch (state) {
    case TShineState::ssPressedHot:
    case TShineState::ssHot:
        return {ApplyActiveImage(glyph, look.ActiveImage, look.ShineColor),
                GlyphTransparentColor(glyph)};
    case TShineState::ssDown:
        return {ApplyDecorationImage(glyph, look.DownImage, look.FaceColor),
                GlyphTransparentColor(glyph)};
    case TShineState::ssUp:
        return {ApplyDecorationImage(glyph, look.UpImage, look.FaceColor),
                GlyphTransparentColor(glyph)};
    case TShineState::ssDisabled:
        if (look.DisabledImage == TDecorationImageType::diDefault)
            return {GlyphEdgeMask(glyph), TShineRgb{0, 0, 0}, true};
        return {ApplyDecorationImage(glyph, look.DisabledImage, look.FaceColor),
                GlyphTransparentColor(glyph)};
    }
    return {glyph, GlyphTransparentColor(glyph)};
}
