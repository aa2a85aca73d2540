#pragma once

#include "maps/MDBitmap.h"

#include <QImage>

// A QImage showing the bitmap: 24-bit bitmaps as BGR888, 32-bit ones as RGB32 (whose fourth
// byte Qt ignores, as the program does).
QImage BitmapToQImage(const TMDBitmap& bitmap);
// Any QImage as a 24-bit bitmap.
TMDBitmap QImageToBitmap(const QImage& image);
