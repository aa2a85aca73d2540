#pragma once

#include <QFont>

// The program's Japanese gothic face ("ＭＳ Ｐゴシック", or IPA P Gothic where it is missing) at a
// size in pixels.
QFont PGothicFont(int pixelSize, bool bold = false);
