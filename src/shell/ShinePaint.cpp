#include "shell/ShinePaint.h"

namespace {

bool PressedLook(TShineState s) {
    return s == TShineState::ssPressedHot || s == TShineState::ssDown;
}
bool ActiveLook(TShineState s) {
    return s == TShineState::ssPressedHot || s == TShineState::ssHot;
}

void TopLeft(std::vector<TFrameLine>& lines, int a, int b, int w, int h, TShineRgb c) {
    lines.push_back({a, a, w - b, a, c});
    lines.push_back({a, a, a, h - b, c});
}

void BottomRight(std::vector<TFrameLine>& lines, int a, int b, int w, int h, TShineRgb c) {
    lines.push_back({w - a, h - a, b, h - a, c});
    lines.push_back({w - a, h - a, w - a, b, c});
}

} // namespace

const TShineBtnColors& FaceColorSet(const TShinePaintLook& look, TShineState state) {
    if (look.ActiveColorsEnabled && ActiveLook(state))
        return look.ActiveColors;
    return PressedLook(state) ? look.PressedColors : look.Colors;
}

TShineFrame ShineFrameFor(const TShinePaintLook& look, TShineState state, int width, int height) {
    bool raised = false;
    bool sunken = false;
    switch (state) {
    case TShineState::ssUp:
    case TShineState::ssDisabled:
        raised = look.UpFrame;
        break;
    case TShineState::ssHot:
        raised = look.ActiveFrame;
        break;
    case TShineState::ssDown:
        sunken = look.DownFrame;
        break;
    case TShineState::ssPressedHot:
        sunken = look.ActiveFrame;
        break;
    }
    TShineFrame frame;
    if (!raised && !sunken)
        return frame;
    const TShineBtnColors& c = FaceColorSet(look, state);
    // Raised: light top-left, dark bottom-right; sunken the other way round.
    const TShineRgb light = raised ? c.Highlight : c.Shadow;
    const TShineRgb dark = raised ? c.Shadow : c.Highlight;
    auto& lines = frame.lines;
    const int w = width;
    const int h = height;
    switch (look.FrameType) {
    case TFrameType::ftFlatFrame:
        TopLeft(lines, 0, 1, w, h, light);
        BottomRight(lines, 1, 0, w, h, dark);
        break;
    case TFrameType::ftNormalFrame:
        if (raised) {
            BottomRight(lines, 2, 0, w, h, c.Shadow);
            BottomRight(lines, 1, 0, w, h, c.DarkShadow);
            TopLeft(lines, 0, 1, w, h, c.Highlight);
        } else {
            TopLeft(lines, 1, 1, w, h, c.Shadow);
            TopLeft(lines, 0, 1, w, h, c.DarkShadow);
            BottomRight(lines, 1, 0, w, h, c.Highlight);
        }
        break;
    case TFrameType::ftEnclosedFrame:
        TopLeft(lines, 1, 2, w, h, light);
        BottomRight(lines, 2, 1, w, h, dark);
        frame.outline = true;
        frame.outlineColor = (look.ActiveColorsEnabled && ActiveLook(state))
                                 ? look.ActiveColors.DarkShadow
                                 : look.Colors.DarkShadow;
        break;
    }
    return frame;
}
