#include "shell/ZoomEllipse.h"

#include <gtest/gtest.h>

TEST(ShellZoomEllipse, HalfAxesUseIntegerDivision) {
    // 257 x 75: centre (128, 37).
    EXPECT_EQ(ZoomEllipse(257, 75, 1), (TZoomEllipse{-129, -38, 385, 112}));
    EXPECT_EQ(ZoomEllipse(257, 75, 7), (TZoomEllipse{92, 27, 164, 47})); // 257/7 = 36, 75/7 = 10
    EXPECT_EQ(ZoomEllipse(257, 75, ZoomSteps), (TZoomEllipse{116, 34, 140, 40}));
    EXPECT_EQ(ZoomEllipse(15, 8, ZoomSteps), (TZoomEllipse{7, 4, 7, 4})); // vanishes to a point
}
