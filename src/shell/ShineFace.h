#pragma once

#include "shell/ShineBitmap.h"

// One channel of the face gradient at pos of extent: c0 + pos * (c1 - c0) / extent, with the
// division truncating toward zero.
int GradientChannel(int c0, int c1, int pos, int extent);
TShineRgb GradientColor(TShineRgb c0, TShineRgb c1, int pos, int extent);

// The button face of the colour set: solid Color, or the gradient from Color to GradColor
// down the rows (GradVertical) or across the columns.
TShineBitmap PaintShineFace(const TShineBtnColors& colors, int width, int height);
