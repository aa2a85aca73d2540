#include "shell/ShineLayout.h"

#include <gtest/gtest.h>

namespace {

using L = TButtonLayout;

struct Case {
    const char* name;
    TShineLayoutInput in;
    TShineLayout expected;
};

// A 16 x 16 glyph and a 30 x 13 caption on an 80 x 25 button unless the case says otherwise.
TShineLayoutInput In(L layout, int margin = -1, int alMargin = -1, bool glyph = true,
                     bool caption = true) {
    TShineLayoutInput in;
    in.clientWidth = 80;
    in.clientHeight = 25;
    in.glyphWidth = glyph ? 16 : 0;
    in.glyphHeight = glyph ? 16 : 0;
    in.hasCaption = caption;
    in.captionWidth = caption ? 30 : 0;
    in.captionHeight = caption ? 13 : 0;
    in.layout = layout;
    in.margin = margin;
    in.alMargin = alMargin;
    return in;
}

TEST(ShineLayout, PlacesGlyphAndCaption) {
    const Case cases[] = {
        // glyph x, y, caption x, y, w, h
        {"left centred", In(L::blGlyphLeft), {15, 4, 35, 5, 30, 13}},
        {"left margin", In(L::blGlyphLeft, 2), {2, 4, 22, 5, 30, 13}},
        {"right margin", In(L::blGlyphRight, 3), {61, 4, 27, 5, 30, 13}},
        {"right centred", In(L::blGlyphRight), {49, 4, 15, 5, 30, 13}},
        {"top centred", In(L::blGlyphTop), {32, -4, 25, 16, 30, 13}},
        {"top margin", In(L::blGlyphTop, 1), {32, 1, 25, 21, 30, 13}},
        {"bottom margin", In(L::blGlyphBottom, 1), {32, 8, 25, -9, 30, 13}},
        {"glyph only", In(L::blGlyphLeft, -1, -1, true, false), {32, 4, 48, 12, 0, 0}},
        // Spacing stays between glyph top and caption even without a glyph ...
        {"top, no glyph", In(L::blGlyphTop, -1, -1, false), {40, 4, 25, 8, 30, 13}},
        // ... but not for the other layouts.
        {"bottom, no glyph", In(L::blGlyphBottom, -1, -1, false), {40, 19, 25, 6, 30, 13}},
        {"left, no glyph", In(L::blGlyphLeft, -1, -1, false), {25, 12, 25, 6, 30, 13}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TShineLayout out = CalcShineLayout(c.in);
        EXPECT_EQ(out.glyphX, c.expected.glyphX);
        EXPECT_EQ(out.glyphY, c.expected.glyphY);
        EXPECT_EQ(out.captionX, c.expected.captionX);
        EXPECT_EQ(out.captionY, c.expected.captionY);
        EXPECT_EQ(out.captionWidth, c.expected.captionWidth);
        EXPECT_EQ(out.captionHeight, c.expected.captionHeight);
    }
}

TEST(ShineLayout, AlMarginWidensTheCaptionRectangle) {
    // Glyph left with a margin: the caption reaches to AlMargin from the right edge.
    TShineLayout out = CalcShineLayout(In(L::blGlyphLeft, 2, 5));
    EXPECT_EQ(out.captionX, 22);
    EXPECT_EQ(out.captionX + out.captionWidth, 80 - 5);
    EXPECT_EQ(CalcShineLayout(In(L::blGlyphLeft, 2, 5, false)).captionWidth, 80 - 2 - 5);
    // Without a positive margin the side layouts keep the measured width.
    EXPECT_EQ(CalcShineLayout(In(L::blGlyphLeft, 0, 5)).captionWidth, 30);
    EXPECT_EQ(CalcShineLayout(In(L::blGlyphRight, -1, 5)).captionWidth, 30);
    // Glyph top or bottom: the width less AlMargin on both sides.
    out = CalcShineLayout(In(L::blGlyphTop, -1, 5));
    EXPECT_EQ(out.captionX, 5);
    EXPECT_EQ(out.captionWidth, 70);
    EXPECT_EQ(out.glyphX, 32);
}

TEST(ShineLayout, HalvesTruncateTowardZeroWhenContentIsLarger) {
    TShineLayoutInput in = In(L::blGlyphLeft, -1, -1, true, false);
    in.clientWidth = 10;
    in.clientHeight = 9;
    in.glyphWidth = 15;
    in.glyphHeight = 15;
    TShineLayout out = CalcShineLayout(in);
    EXPECT_EQ(out.glyphX, -2);
    EXPECT_EQ(out.glyphY, -3);
}

} // namespace
