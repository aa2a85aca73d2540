#pragma once

#include <cstdint>

// Types shared by the flat button's rules (logic) and its widget.

struct TShineRgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const TShineRgb&, const TShineRgb&) = default;
};

// One colour set of the button: face, the three frame colours and the gradient.
struct TShineBtnColors {
    TShineRgb Color;
    TShineRgb Highlight;
    TShineRgb Shadow;
    TShineRgb DarkShadow;
    TShineRgb GradColor{0, 0, 255};
    bool GradVertical = false;
    bool Gradation = false;
    friend bool operator==(const TShineBtnColors&, const TShineBtnColors&) = default;
};

enum class TFrameType { ftFlatFrame, ftNormalFrame, ftEnclosedFrame };

// Glyph look while the pointer is over the button.
enum class TActiveImageType {
    aiNoLight,
    aiXorLight,
    aiHalfLight,
    aiQuaterLight,
    aiAddLight,
    aiFrameLight,
    aiFrameLight2,
    aiMaskLight
};

// Glyph look while up, down or disabled.
enum class TDecorationImageType {
    diDefault,
    diGrayscale,
    diAlphaHalfTrans,
    diAlphaQuaterTrans,
    diMaskTrans
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The five looks of the button; the numbers are the order the painting rules use.
enum class TShineState {
    ssPressedHot = 0, // pressed over the button, or down and under the pointer
    ssDown = 1,       // pressed look without the pointer over it
    ssHot = 2,        // pointer over the button, not pressed
    ssUp = 3,
    ssDisabled = 4
};
