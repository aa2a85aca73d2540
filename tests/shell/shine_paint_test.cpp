#include "shell/ShineFace.h"
#include "shell/ShineGlyph.h"
#include "shell/ShinePaint.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr TShineRgb T{128, 128, 0}; // the transparent olive of a glyph
constexpr TShineRgb A{100, 200, 50};
constexpr TShineRgb S{255, 255, 0}; // ShineColor
constexpr TShineRgb Face{20, 40, 60};

// Bitmap from rows of characters: '.' transparent, 'a' colour A.
TShineBitmap Glyph(std::initializer_list<const char*> rows) {
    const int w = static_cast<int>(std::strlen(*rows.begin()));
    TShineBitmap bmp(w, static_cast<int>(rows.size()));
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x)
            bmp.At(x, y) = row[x] == 'a' ? A : T;
        ++y;
    }
    return bmp;
}

// Rows of characters for the pixels equal to `mark`.
std::vector<std::string> Marked(const TShineBitmap& bmp, TShineRgb mark) {
    std::vector<std::string> rows;
    for (int y = 0; y < bmp.height; ++y) {
        std::string row;
        for (int x = 0; x < bmp.width; ++x)
            row += bmp.At(x, y) == mark ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(ShineFace, GradientTruncatesTowardZeroPerChannel) {
    TShineBtnColors c;
    c.Color = {200, 0, 7};
    c.GradColor = {0, 255, 7};
    c.Gradation = true;
    c.GradVertical = true;
    TShineBitmap face = PaintShineFace(c, 2, 3);
    EXPECT_EQ(face.At(1, 0), (TShineRgb{200, 0, 7}));
    EXPECT_EQ(face.At(0, 1), (TShineRgb{134, 85, 7})); // 200 - 200/3 truncates to 134, not 133
    EXPECT_EQ(face.At(1, 2), (TShineRgb{67, 170, 7}));

    c.GradVertical = false;
    face = PaintShineFace(c, 4, 1);
    EXPECT_EQ(face.At(3, 0), (TShineRgb{50, 191, 7})); // columns: 200 - 3*200/4, 3*255/4

    c.Gradation = false;
    EXPECT_EQ(PaintShineFace(c, 3, 2), TShineBitmap(3, 2, c.Color));
    EXPECT_TRUE(PaintShineFace(c, 0, 5).Empty());
}

TEST(ShineGlyph, ColourEffectsChangeOnlyGlyphPixels) {
    struct Case {
        const char* name;
        TShineBitmap (*apply)(const TShineBitmap&);
        TShineRgb expected;
    };
    const Case cases[] = {
        {"NoLight", [](auto& g) { return ApplyActiveImage(g, TActiveImageType::aiNoLight, S); }, A},
        {"Xor",
         [](auto& g) { return ApplyActiveImage(g, TActiveImageType::aiXorLight, S); },
         {155, 55, 50}},
        {"Half",
         [](auto& g) { return ApplyActiveImage(g, TActiveImageType::aiHalfLight, S); },
         {177, 227, 25}},
        {"Quater",
         [](auto& g) { return ApplyActiveImage(g, TActiveImageType::aiQuaterLight, S); },
         {216, 241, 12}},
        {"Add",
         [](auto& g) { return ApplyActiveImage(g, TActiveImageType::aiAddLight, S); },
         {255, 255, 50}},
        {"Grayscale",
         [](auto& g) { return ApplyDecorationImage(g, TDecorationImageType::diGrayscale, Face); },
         {116, 116, 116}},
        {"AlphaHalf",
         [](auto& g) {
             return ApplyDecorationImage(g, TDecorationImageType::diAlphaHalfTrans, Face);
         },
         {60, 120, 55}},
        {"AlphaQuater",
         [](auto& g) {
             return ApplyDecorationImage(g, TDecorationImageType::diAlphaQuaterTrans, Face);
         },
         {40, 80, 57}},
        {"Default",
         [](auto& g) { return ApplyDecorationImage(g, TDecorationImageType::diDefault, Face); }, A},
    };
    const TShineBitmap glyph = Glyph({"a.", ".a"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TShineBitmap out = c.apply(glyph);
        EXPECT_EQ(out.At(0, 0), c.expected);
        EXPECT_EQ(out.At(1, 1), c.expected);
        EXPECT_EQ(out.At(1, 0), T);
        EXPECT_EQ(out.At(0, 1), T);
    }
}

TEST(ShineGlyph, CheckerboardEffects) {
    const TShineBitmap glyph = Glyph({"aaa", ".aa"});
    EXPECT_EQ(Marked(ApplyActiveImage(glyph, TActiveImageType::aiMaskLight, S), S),
              (std::vector<std::string>{"#.#", ".#."}));
    // The see-through pixels take the transparent colour, so the face shows there.
    EXPECT_EQ(Marked(ApplyDecorationImage(glyph, TDecorationImageType::diMaskTrans, Face), T),
              (std::vector<std::string>{"#.#", "##."}));
}

TEST(ShineGlyph, FrameLightsOutlineTheGlyph) {
    const TShineBitmap glyph = Glyph({".....", ".....", "..a..", ".....", "....."});
    EXPECT_EQ(Marked(ApplyActiveImage(glyph, TActiveImageType::aiFrameLight, S), S),
              (std::vector<std::string>{".....", "..#..", ".#.#.", "..#..", "....."}));
    EXPECT_EQ(Marked(ApplyActiveImage(glyph, TActiveImageType::aiFrameLight2, S), S),
              (std::vector<std::string>{"..#..", ".###.", "##.##", ".###.", "..#.."}));
}

TEST(ShineGlyph, EdgeMaskAndMonochromeGlyph) {
    const TShineRgb white{255, 255, 255};
    EXPECT_EQ(Marked(GlyphEdgeMask(Glyph({"...", ".a.", "..."})), white),
              (std::vector<std::string>{"##.", "##.", "..."}));
    // A glyph touching the right and bottom edges still gets its edges.
    EXPECT_EQ(Marked(GlyphEdgeMask(Glyph({"..", ".a"})), white),
              (std::vector<std::string>{"##", "##"}));

    const TShineRgb set{1, 2, 3}, clear{4, 5, 6};
    TShineBitmap mono = ExpandMonochromeGlyph({true, false, false, true}, 2, 2, set, clear);
    EXPECT_EQ(mono.pixels, (std::vector<TShineRgb>{set, clear, clear, set}));
}

TEST(ShineGlyph, PreparationFollowsTheState) {
    TShineGlyphLook look;
    look.ActiveImage = TActiveImageType::aiXorLight;
    look.UpImage = TDecorationImageType::diGrayscale;
    look.DownImage = TDecorationImageType::diAlphaHalfTrans;
    look.FaceColor = Face;
    const TShineBitmap glyph = Glyph({"a.", ".."});
    EXPECT_EQ(PrepareGlyph(glyph, TShineState::ssPressedHot, look).bitmap.At(0, 0),
              (TShineRgb{155, 55, 50}));
    EXPECT_EQ(PrepareGlyph(glyph, TShineState::ssHot, look).bitmap.At(0, 0),
              (TShineRgb{155, 55, 50}));
    EXPECT_EQ(PrepareGlyph(glyph, TShineState::ssUp, look).bitmap.At(0, 0),
              (TShineRgb{116, 116, 116}));
    EXPECT_EQ(PrepareGlyph(glyph, TShineState::ssDown, look).bitmap.At(0, 0),
              (TShineRgb{60, 120, 55}));

    TPreparedGlyph disabled = PrepareGlyph(glyph, TShineState::ssDisabled, look);
    EXPECT_TRUE(disabled.edgeMask);
    EXPECT_EQ(disabled.transparent, (TShineRgb{0, 0, 0}));

    look.DisabledImage = TDecorationImageType::diMaskTrans;
    disabled = PrepareGlyph(glyph, TShineState::ssDisabled, look);
    EXPECT_FALSE(disabled.edgeMask);
    EXPECT_EQ(disabled.transparent, T);
    EXPECT_EQ(disabled.bitmap.At(0, 0), T); // see-through on the checkerboard
}

TShinePaintLook Look() {
    TShinePaintLook look;
    look.Colors.Highlight = {1, 1, 1};
    look.Colors.Shadow = {2, 2, 2};
    look.Colors.DarkShadow = {3, 3, 3};
    look.PressedColors.Highlight = {11, 11, 11};
    look.PressedColors.Shadow = {12, 12, 12};
    look.PressedColors.DarkShadow = {13, 13, 13};
    look.ActiveColors.Highlight = {21, 21, 21};
    look.ActiveColors.Shadow = {22, 22, 22};
    look.ActiveColors.DarkShadow = {23, 23, 23};
    return look;
}

TEST(ShinePaint, NormalFrameRaisedAndSunken) {
    const TShinePaintLook look = Look();
    const TShineRgb hi{1, 1, 1}, sh{2, 2, 2}, dk{3, 3, 3};
    EXPECT_EQ(ShineFrameFor(look, TShineState::ssUp, 10, 8).lines,
              (std::vector<TFrameLine>{{8, 6, 0, 6, sh},
                                       {8, 6, 8, 0, sh},
                                       {9, 7, 0, 7, dk},
                                       {9, 7, 9, 0, dk},
                                       {0, 0, 9, 0, hi},
                                       {0, 0, 0, 7, hi}}));
    const TShineRgb phi{11, 11, 11}, psh{12, 12, 12}, pdk{13, 13, 13};
    EXPECT_EQ(ShineFrameFor(look, TShineState::ssDown, 10, 8).lines,
              (std::vector<TFrameLine>{{1, 1, 9, 1, psh},
                                       {1, 1, 1, 7, psh},
                                       {0, 0, 9, 0, pdk},
                                       {0, 0, 0, 7, pdk},
                                       {9, 7, 0, 7, phi},
                                       {9, 7, 9, 0, phi}}));
}

TEST(ShinePaint, FrameAndFaceChoicePerState) {
    struct Case {
        TShineState state;
        bool activeColors;
        TShineRgb firstLineColor;
        TShineRgb outlineColor;
        TShineRgb faceDarkShadow; // names the colour set of the face
    };
    const TShineRgb c3{3, 3, 3}, p13{13, 13, 13}, a23{23, 23, 23};
    const Case cases[] = {
        {TShineState::ssUp, false, {1, 1, 1}, c3, c3},
        {TShineState::ssDisabled, false, {1, 1, 1}, c3, c3},
        {TShineState::ssHot, false, {1, 1, 1}, c3, c3},
        {TShineState::ssHot, true, {21, 21, 21}, a23, a23},
        {TShineState::ssDown, false, {12, 12, 12}, c3, p13},
        {TShineState::ssDown, true, {12, 12, 12}, c3, p13},
        {TShineState::ssPressedHot, false, {12, 12, 12}, c3, p13},
        {TShineState::ssPressedHot, true, {22, 22, 22}, a23, a23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state) * 10 + c.activeColors);
        TShinePaintLook look = Look();
        look.FrameType = TFrameType::ftEnclosedFrame;
        look.ActiveColorsEnabled = c.activeColors;
        TShineFrame frame = ShineFrameFor(look, c.state, 6, 6);
        ASSERT_FALSE(frame.lines.empty());
        EXPECT_EQ(frame.lines[0], (TFrameLine{1, 1, 4, 1, c.firstLineColor}));
        EXPECT_TRUE(frame.outline);
        EXPECT_EQ(frame.outlineColor, c.outlineColor);
        EXPECT_EQ(FaceColorSet(look, c.state).DarkShadow, c.faceDarkShadow);
    }

    TShinePaintLook look = Look();
    look.UpFrame = false;
    look.ActiveFrame = false;
    look.DownFrame = false;
    for (TShineState s : {TShineState::ssUp, TShineState::ssHot, TShineState::ssDown,
                          TShineState::ssPressedHot, TShineState::ssDisabled})
        EXPECT_TRUE(ShineFrameFor(look, s, 6, 6).lines.empty());

    look = Look();
    look.FrameType = TFrameType::ftFlatFrame;
    EXPECT_EQ(ShineFrameFor(look, TShineState::ssPressedHot, 5, 4).lines,
              (std::vector<TFrameLine>{{0, 0, 4, 0, {12, 12, 12}},
                                       {0, 0, 0, 3, {12, 12, 12}},
                                       {4, 3, 0, 3, {11, 11, 11}},
                                       {4, 3, 4, 0, {11, 11, 11}}}));
}

} // namespace
