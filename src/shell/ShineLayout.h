#pragma once

#include "shell/ShineButtonTypes.h"

// Where the flat button puts its glyph and caption.
struct TShineLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    int glyphWidth = 0; // 0 without a glyph
    int glyphHeight = 0;
    bool hasCaption = false;
    int captionWidth = 0; // the caption measured as one line
    int captionHeight = 0;
    TButtonLayout layout = TButtonLayout::blGlyphLeft;
    int margin = -1;
    int spacing = 4;
    int alMargin = -1; // >= 0 widens the caption rectangle so that Alignment places the text
};

struct TShineLayout {
    int glyphX = 0;
    int glyphY = 0;
    int captionX = 0;
    int captionY = 0;
    int captionWidth = 0;
    int captionHeight = 0;
};

TShineLayout CalcShineLayout(const TShineLayoutInput& in);
