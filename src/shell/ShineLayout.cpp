#include "shell/ShineLayout.h"

#include <algorithm>

TShineLayout CalcShineLayout(const TShineLayoutInput& in) {
    const int gw = in.glyphWidth;
    const int gh = in.glyphHeight;
    const bool hasGlyph = gw > 0 && gh > 0;
    const bool both = hasGlyph && in.hasCaption;
    const bool horizontal =
        in.layout == TButtonLayout::blGlyphLeft || in.layout == TButtonLayout::blGlyphRight;

    TShineLayout out;
    out.captionWidth = in.captionWidth;
    out.captionHeight = in.captionHeight;
    if (in.alMargin >= 0) {
        if (horizontal && in.margin > 0)
            out.captionWidth =
                in.clientWidth - (gw + in.margin + (both ? in.spacing : 0)) - in.alMargin;
        else if (!horizontal)
            out.captionWidth = in.clientWidth - 2 * in.alMargin;
    }
    const int cw = out.captionWidth;
    const int ch = out.captionHeight;

    // Positions within the content box first.
    int contentWidth = 0;
    int contentHeight = 0;
    switch (in.layout) {
    case TButtonLayout::blGlyphLeft:
        out.glyphX = 0;
        out.captionX = gw + (both ? in.spacing : 0);
        contentWidth = out.captionX + cw;
        break;
    case TButtonLayout::blGlyphRight:
        out.captionX = 0;
        out.glyphX = cw + (both ? in.spacing : 0);
        contentWidth = out.glyphX + gw;
        break;
    case TButtonLayout::blGlyphTop:
        out.glyphY = 0;
        out.captionY = gh + (in.hasCaption ? in.spacing : 0);
        contentHeight = out.captionY + ch;
        break;
    case TButtonLayout::blGlyphBottom:
        out.captionY = 0;
        out.glyphY = ch + (both ? in.spacing : 0);
        contentHeight = out.glyphY + gh;
        break;
    }
    if (horizontal) {
        contentHeight = std::max(gh, ch);
        out.glyphY = (contentHeight - gh) / 2;
        out.captionY = (contentHeight - ch) / 2;
    } else {
        contentWidth = std::max(gw, cw);
        out.glyphX = (contentWidth - gw) / 2;
        out.captionX = (contentWidth - cw) / 2;
    }

    // Then the content box within the client area.
    int left = (in.clientWidth - contentWidth) / 2;
    int top = (in.clientHeight - contentHeight) / 2;
    if (in.margin >= 0) {
        switch (in.layout) {
        case TButtonLayout::blGlyphLeft:
            left = in.margin;
            break;
        case TButtonLayout::blGlyphRight:
            left = in.clientWidth - contentWidth - in.margin;
            break;
        case TButtonLayout::blGlyphTop:
            top = in.margin;
            break;
        case TButtonLayout::blGlyphBottom:
            top = in.clientHeight - contentHeight - in.margin;
            break;
        }
    }
    out.glyphX += left;
    out.glyphY += top;
    out.captionX += left;
    out.captionY += top;
    return out;
}
