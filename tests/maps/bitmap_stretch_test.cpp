#include "maps/MDBitmapStretch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

// A deterministic picture whose bytes come from a small xorshift generator.
TMDBitmap NoisePicture(int w, int h, int bpp, std::uint32_t seed) {
    TMDBitmap b(w, h, bpp);
    std::uint32_t s = seed;
    for (int y = 0; y < h; ++y)
        for (std::size_t i = 0; i < b.RowBytes(); ++i) {
            s ^= s << 13;
            s ^= s >> 17;
            s ^= s << 5;
            b.ScanLine(y)[i] = static_cast<std::uint8_t>(s >> 24);
        }
    return b;
}

// A smooth picture: gradients with a diagonal stripe, closer to a photograph than noise.
TMDBitmap GradientPicture(int w, int h, int bpp) {
    TMDBitmap b(w, h, bpp);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = b.ScanLine(y) + x * b.BytesPerPixel();
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(w - 1, 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(h - 1, 1));
            p[2] = static_cast<std::uint8_t>((x + y) % 40 < 20 ? 230 : 10);
            if (b.BytesPerPixel() == 4)
                p[3] = static_cast<std::uint8_t>(x ^ y);
        }
    return b;
}

TMDBitmap Uniform(int w, int h, int bpp, std::uint8_t v) {
    TMDBitmap b(w, h, bpp);
    for (int y = 0; y < h; ++y)
        std::fill(b.ScanLine(y), b.ScanLine(y) + b.RowBytes(), v);
    return b;
}

std::uint64_t Fnv1a(const TMDBitmap& b) {
    std::uint64_t hash = 1469598103934665603ull;
    for (int y = 0; y < b.Height(); ++y)
        for (std::size_t i = 0; i < b.RowBytes(); ++i)
            hash = (hash ^ b.ScanLine(y)[i]) * 1099511628211ull;
    return hash;
}

// The bilinear method written out pixel by pixel, byte by byte, as plainly as it is defined.
TMDBitmap PlainBilinear(const TMDBitmap& s, int DW, int DH) {
    const int SW = s.Width(), SH = s.Height();
    const auto xStep = static_cast<std::uint32_t>(std::trunc((long double)SW * 65535 / DW));
    const auto yStep = static_cast<std::uint32_t>(std::trunc((long double)SH * 65535 / DH));
    const std::int64_t xSplit =
        ((std::int64_t)(SW - 1) * (std::int64_t)std::trunc((long double)DW * 65535 / SW)) >> 16;
    const std::int64_t ySplit =
        ((std::int64_t)(SH - 1) * (std::int64_t)std::trunc((long double)DH * 65535 / SH)) / 65535;
    TMDBitmap t(DW, DH, 32);
    for (int r = 0; r < DH; ++r) {
        int y0, y1;
        unsigned fy;
        if (r < ySplit) {
            const std::uint32_t pos = r * yStep;
            y0 = pos >> 16;
            y1 = y0 + 1;
            fy = (pos % 65536) / 256;
        } else {
            y0 = SH - 1;
            y1 = SH >= 2 ? SH - 2 : 0;
            fy = 0;
        }
        for (int c = 0; c < DW; ++c) {
            std::int64_t pos = c < xSplit ? (std::int64_t)c * xStep : (std::int64_t)(c - 1) * xStep;
            if (pos < 0)
                pos = 0;
            const int x0 = static_cast<int>(pos >> 16);
            const int x1 = x0 == SW - 1 ? x0 : x0 + 1;
            const unsigned fx = (pos % 65536) / 256;
            for (int k = 0; k < 4; ++k) {
                const unsigned p00 = s.ScanLine(y0)[x0 * 4 + k], p01 = s.ScanLine(y0)[x1 * 4 + k];
                const unsigned p10 = s.ScanLine(y1)[x0 * 4 + k], p11 = s.ScanLine(y1)[x1 * 4 + k];
                const unsigned top = (p00 * (255 - fx) + p01 * fx) / 256;
                const unsigned bottom = (p10 * (255 - fx) + p11 * fx) / 256;
                t.ScanLine(r)[c * 4 + k] =
                    static_cast<std::uint8_t>((top * (255 - fy) + bottom * fy) / 256);
            }
        }
    }
    return t;
}

TMDBitmap Bilinear(const TMDBitmap& source, int DW, int DH) {
    TMDBitmap target(DW, DH, 32);
    TMDBitmapStretch::BilinearResize(source, target);
    return target;
}

} // namespace

TEST(MDBitmapStretchAverage, TwoPixelsToOneWeighsTheFootprint) {
    TMDBitmap s(2, 1, 24);
    std::fill(s.ScanLine(0) + 3, s.ScanLine(0) + 6, 255);
    const TMDBitmap d = TMDBitmapStretch::AverageResize(s, 1, 1);
    ASSERT_EQ(d.BitsPerPixel(), 24);
    EXPECT_EQ(d.ScanLine(0)[0], 127);
    EXPECT_EQ(d.ScanLine(0)[1], 127);
    EXPECT_EQ(d.ScanLine(0)[2], 127);
}

TEST(MDBitmapStretchAverage, HandComputedMixOfUnevenFootprints) {
    // 3 x 1 -> 2 x 1: RX = 1.5, Area = 1.5. Pixel 0 covers [0, 1.499999]: weights 1 and
    // 0.499999 (times WY = 0.999999); pixel 1 covers [1.5, 2.999999]: 0.5 and 0.999999.
    TMDBitmap s(3, 1, 24);
    const std::uint8_t values[3] = {10, 100, 250};
    for (int x = 0; x < 3; ++x)
        s.ScanLine(0)[x * 3 + 1] = values[x];
    const TMDBitmap d = TMDBitmapStretch::AverageResize(s, 2, 1);
    // (10 x 0.999999 + 100 x 0.499999 x 0.999999) / 1.5 = 39.99991 -> 40
    // (100 x 0.5 x 0.999999 + 250 x 0.999999 x 0.999999) / 1.5 = 199.99962 -> 200
    EXPECT_EQ(d.ScanLine(0)[1], 40);
    EXPECT_EQ(d.ScanLine(0)[4], 200);
    EXPECT_EQ(d.ScanLine(0)[0], 0);
}

TEST(MDBitmapStretchAverage, UniformPicturesStayUniform) {
    const std::vector<std::tuple<int, int, int, int>> sizes = {
        {7, 5, 3, 2}, {5, 7, 11, 13}, {1, 1, 3, 3}, {100, 60, 33, 17}, {4, 4, 4, 4}, {9, 1, 2, 1}};
    for (const auto& [w, h, dw, dh] : sizes)
        for (int v : {0, 1, 128, 254, 255}) {
            const TMDBitmap d = TMDBitmapStretch::AverageResize(
                Uniform(w, h, 24, static_cast<std::uint8_t>(v)), dw, dh);
            EXPECT_EQ(d, Uniform(dw, dh, 24, static_cast<std::uint8_t>(v)))
                << w << "x" << h << " -> " << dw << "x" << dh << " value " << v;
        }
}

TEST(MDBitmapStretchAverage, EnlargingOnePixelCopiesIt) {
    TMDBitmap s(1, 1, 32);
    s.ScanLine(0)[0] = 12;
    s.ScanLine(0)[1] = 34;
    s.ScanLine(0)[2] = 200;
    s.ScanLine(0)[3] = 99; // the fourth byte is dropped
    const TMDBitmap d = TMDBitmapStretch::AverageResize(s, 3, 3);
    ASSERT_EQ(d.Width(), 3);
    ASSERT_EQ(d.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(d.ScanLine(y)[x * 3 + 0], 12);
            EXPECT_EQ(d.ScanLine(y)[x * 3 + 1], 34);
            EXPECT_EQ(d.ScanLine(y)[x * 3 + 2], 200);
        }
}

TEST(MDBitmapStretchAverage, RefusesEmptySourceAndZeroSize) {
    EXPECT_THROW(TMDBitmapStretch::AverageResize(TMDBitmap(0, 5, 24), 2, 2), std::invalid_argument);
    EXPECT_THROW(TMDBitmapStretch::AverageResize(TMDBitmap(5, 0, 24), 2, 2), std::invalid_argument);
    EXPECT_THROW(TMDBitmapStretch::AverageResize(TMDBitmap(5, 5, 24), 0, 2), std::invalid_argument);
    EXPECT_THROW(TMDBitmapStretch::AverageResize(TMDBitmap(5, 5, 24), 2, -1),
                 std::invalid_argument);
}

TEST(MDBitmapStretchBilinear, PlanOfHalvingThreeThousandColumns) {
    const TMDBilinearPlan plan = MakeBilinearPlan(3000, 10, 1500, 10);
    EXPECT_EQ(plan.XStep, 131070u);
    EXPECT_EQ(plan.XSplit, 1499);
    // Rows divide by 65535 where columns shift by 16: 9 x 65535 div 65535 = 9.
    EXPECT_EQ(plan.YStep, 65535u);
    EXPECT_EQ(plan.YSplit, 9);
}

TEST(MDBitmapStretchBilinear, ColumnsFromTheSplitSampleLikeTheirLeftNeighbour) {
    TMDBitmap s(3000, 2, 32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3000; ++x)
            s.ScanLine(y)[x * 4 + 1] = static_cast<std::uint8_t>(x * 7);
    const TMDBitmap d = Bilinear(s, 1500, 2);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(d.ScanLine(0)[1499 * 4 + k], d.ScanLine(0)[1498 * 4 + k]);
    EXPECT_NE(d.ScanLine(0)[1498 * 4 + 1], d.ScanLine(0)[1497 * 4 + 1]);
}

TEST(MDBitmapStretchBilinear, HandComputedTwoByTwoToFourByFour) {
    // XStep = YStep = 32767, XSplit = 1, YSplit = 2. Columns sample at FX 0, 0, 127, 255 of
    // source column 0; rows 0 and 1 at FY 0 and 127 of rows 0/1; rows 2 and 3 take row 1.
    TMDBitmap s(2, 2, 32);
    const std::uint8_t values[2][2] = {{0, 200}, {100, 40}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            for (int k = 0; k < 4; ++k)
                s.ScanLine(y)[x * 4 + k] = values[y][x];
    const std::uint8_t expected[4][4] = {
        {0, 0, 98, 198}, {49, 49, 83, 118}, {98, 98, 68, 38}, {98, 98, 68, 38}};
    const TMDBitmap d = Bilinear(s, 4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            for (int k = 0; k < 4; ++k)
                EXPECT_EQ(d.ScanLine(y)[x * 4 + k], expected[y][x])
                    << x << "," << y << " byte " << k;
}

TEST(MDBitmapStretchBilinear, UniformValuesDarkenByTheWeights) {
    for (auto [v, expected] : std::vector<std::pair<int, int>>{{255, 253}, {0, 0}, {128, 126}}) {
        const TMDBitmap d = Bilinear(Uniform(37, 23, 32, static_cast<std::uint8_t>(v)), 61, 9);
        EXPECT_EQ(d, Uniform(61, 9, 32, static_cast<std::uint8_t>(expected))) << v;
    }
}

TEST(MDBitmapStretchBilinear, MatchesThePlainDefinitionOnEveryShape) {
    // Odd widths exercise the vector loop's tail, one-pixel sources the widened rows.
    const std::vector<std::tuple<int, int, int, int>> sizes = {
        {1, 1, 5, 3},     {1, 7, 4, 9},         {9, 1, 3, 1},     {2, 2, 1, 1},   {97, 61, 40, 29},
        {40, 29, 97, 61}, {300, 200, 299, 201}, {17, 13, 17, 13}, {64, 48, 7, 5}, {5, 3, 64, 48}};
    std::uint32_t seed = 1;
    for (const auto& [w, h, dw, dh] : sizes) {
        const TMDBitmap s = NoisePicture(w, h, 32, seed++);
        EXPECT_EQ(Bilinear(s, dw, dh), PlainBilinear(s, dw, dh))
            << w << "x" << h << " -> " << dw << "x" << dh;
    }
}

TEST(MDBitmapStretchBilinear, ReadsTwentyFourBitSourcesAsThirtyTwo) {
    for (auto [w, h] : {std::pair{31, 17}, std::pair{1, 5}}) {
        const TMDBitmap s = NoisePicture(w, h, 24, 9);
        EXPECT_EQ(Bilinear(s, 12, 40), PlainBilinear(s.ConvertedTo(32), 12, 40)) << w;
    }
}

TEST(MDBitmapStretchBilinear, RefusesEmptySizesAndNarrowTargets) {
    TMDBitmap target(4, 4, 32);
    EXPECT_THROW(TMDBitmapStretch::BilinearResize(TMDBitmap(0, 3, 32), target),
                 std::invalid_argument);
    TMDBitmap empty(0, 4, 32);
    EXPECT_THROW(TMDBitmapStretch::BilinearResize(TMDBitmap(3, 3, 32), empty),
                 std::invalid_argument);
    TMDBitmap narrow(4, 4, 24);
    EXPECT_THROW(TMDBitmapStretch::BilinearResize(TMDBitmap(3, 3, 32), narrow),
                 std::invalid_argument);
}

// Pinned results of both methods on deterministic pictures; a change in any byte shows here.
TEST(MDBitmapStretchGolden, BothMethodsOnFixedPictures) {
    struct Case {
        const char* name;
        TMDBitmap source;
        int dw, dh;
        bool bilinear;
        std::uint64_t hash;
    };
    const std::vector<Case> cases = {
        {"noise average down", NoisePicture(120, 90, 24, 7), 45, 31, false, 339998326073245219ull},
        {"noise average up", NoisePicture(13, 11, 24, 8), 40, 29, false, 11412066420888736815ull},
        {"gradient average", GradientPicture(300, 200, 24), 150, 100, false,
         1556323908422287489ull},
        {"noise bilinear down", NoisePicture(120, 90, 32, 7), 45, 31, true,
         11869190975820846810ull},
        {"gradient bilinear", GradientPicture(1600, 900, 32), 400, 225, true,
         16500292931240562846ull},
    };
    for (const Case& c : cases) {
        const TMDBitmap d = c.bilinear ? Bilinear(c.source, c.dw, c.dh)
                                       : TMDBitmapStretch::AverageResize(c.source, c.dw, c.dh);
        EXPECT_EQ(Fnv1a(d), c.hash) << c.name;
    }
}

TEST(MDBitmapStretchChoice, SwitchesToBilinearAboveFifteenHundred) {
    TMDBitmapStretch stretch;
    TMDBitmap d;
    // Average results are 24-bit, bilinear ones 32-bit.
    stretch.StretchBitmap(750, 750, 1500, 1500, Uniform(1500, 1500, 24, 255), d);
    EXPECT_EQ(d, Uniform(750, 750, 24, 255));
    stretch.StretchBitmap(100, 1, 1501, 10, Uniform(1501, 10, 32, 255), d);
    EXPECT_EQ(d, Uniform(100, 1, 32, 253));
    stretch.StretchBitmap(1501, 2, 10, 10, Uniform(10, 10, 24, 255), d);
    EXPECT_EQ(d.BitsPerPixel(), 32);
}

TEST(MDBitmapStretchChoice, FailuresReachTheCaller) {
    TMDBitmapStretch stretch;
    TMDBitmap d(3, 3, 24);
    EXPECT_THROW(stretch.StretchBitmap(10, 10, 0, 0, TMDBitmap(), d), std::invalid_argument);
    EXPECT_THROW(stretch.StretchBitmap(0, 10, 2000, 10, Uniform(2000, 10, 24, 1), d),
                 std::invalid_argument);
    EXPECT_THROW(stretch.StretchBitmap(-5, 10, 2000, 10, Uniform(2000, 10, 24, 1), d),
                 std::invalid_argument);
    // The destination is untouched by a failure.
    EXPECT_EQ(d, TMDBitmap(3, 3, 24));
}
