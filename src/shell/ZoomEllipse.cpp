#include "shell/ZoomEllipse.h"

TZoomEllipse ZoomEllipse(int width, int height, int step) {
    const int cx = width / 2;
    const int cy = height / 2;
    return {cx - width / step, cy - height / step, cx + width / step, cy + height / step};
}
