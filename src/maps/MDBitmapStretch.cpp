#include "maps/MDBitmapStretch.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Real arithmetic here is deliberately done in long double (a 64-bit significand on x86-64)
// and narrowed to double or float exactly where a value is stored, so that every processor
// produces the same bytes.

namespace {

constexpr int kAverageLimit = 1500;

// One source column or row touched by a destination pixel, with its share of the footprint.
struct TSpan {
    int First = 0;
    int Last = -1;
    std::vector<double> Weights;
};

// The footprint [P0, P1] of destination index d along one axis, and the weight of each source
// index it touches: the overlap of [k, k + 1] with [P0, P1].
TSpan FootprintSpan(int d, double ratio, int sourceSize) {
    const double p0 = static_cast<double>(static_cast<long double>(d) * ratio);
    const double p1 = static_cast<double>(static_cast<long double>(d + 1) * ratio - 0.000001L);
    TSpan span;
    span.First = static_cast<int>(std::floor(p0));
    // Rounding can never push the last index past the source, but bad sizes must not read
    // outside it either.
    span.Last = std::min(static_cast<int>(std::floor(p1)), sourceSize - 1);
    for (int k = span.First; k <= span.Last; ++k) {
        const long double lk = k;
        long double w;
        if (k > p0 && k + 1 < p1)
            w = 1;
        else if (k <= p0 && k + 1 < p1)
            w = 1 - (p0 - lk);
        else if (k > p0)
            w = p1 - lk;
        else
            w = static_cast<long double>(p1) - p0;
        span.Weights.push_back(static_cast<double>(w));
    }
    return span;
}

std::uint8_t AverageByte(double sum, float area) {
    const long double value = std::rint(static_cast<long double>(sum) / area);
    return static_cast<std::uint8_t>(static_cast<long long>(value) & 0xFF);
}

void RequirePositive(int w, int h, const char* what) {
    if (w <= 0 || h <= 0)
        throw std::invalid_argument(std::string("resampling: ") + what + " is empty (" +
                                    std::to_string(w) + " x " + std::to_string(h) + ")");
}

// Per destination column: where the pair of source pixels starts in the row and the weights
// of its two pixels. A last column paired with itself is read as (column - 1, column) with
// the weights 0 and 255, which gives the same bytes and keeps every read a pair of pixels.
struct TColumnTap {
    std::uint32_t Offset;
    std::uint16_t WeightA;
    std::uint16_t WeightB;
};

std::vector<TColumnTap> ColumnTaps(const TMDBilinearPlan& plan, int SW, int DW) {
    std::vector<TColumnTap> taps(DW);
    for (int c = 0; c < DW; ++c) {
        const std::int64_t pos = c < plan.XSplit
                                     ? std::int64_t{c} * plan.XStep
                                     : std::max<std::int64_t>(std::int64_t{c - 1} * plan.XStep, 0);
        const int x0 = static_cast<int>(std::min<std::int64_t>(pos >> 16, SW - 1));
        const auto fx = static_cast<std::uint16_t>((pos & 0xFFFF) >> 8);
        if (x0 + 1 < SW)
            taps[c] = {static_cast<std::uint32_t>(x0) * 4, static_cast<std::uint16_t>(255 - fx),
                       fx};
        else if (x0 > 0)
            taps[c] = {static_cast<std::uint32_t>(x0 - 1) * 4, 0, 255};
        else // a source one pixel wide; its rows are widened to two equal pixels
            taps[c] = {0, static_cast<std::uint16_t>(255 - fx), fx};
    }
    return taps;
}

// Top or Bottom of every destination column for one source row: (A x WA + B x WB) div 256.
void InterpolateRow(const std::uint8_t* row, const std::vector<TColumnTap>& taps,
                    std::uint16_t* out) {
    const std::size_t count = taps.size();
    std::size_t c = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; c + 2 <= count; c += 2) {
        const TColumnTap& ta = taps[c];
        const TColumnTap& tb = taps[c + 1];
        __m128i a = _mm_unpacklo_epi8(
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + ta.Offset)), zero);
        __m128i b = _mm_unpacklo_epi8(
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + tb.Offset)), zero);
        a = _mm_mullo_epi16(a, _mm_set_epi16(ta.WeightB, ta.WeightB, ta.WeightB, ta.WeightB,
                                             ta.WeightA, ta.WeightA, ta.WeightA, ta.WeightA));
        b = _mm_mullo_epi16(b, _mm_set_epi16(tb.WeightB, tb.WeightB, tb.WeightB, tb.WeightB,
                                             tb.WeightA, tb.WeightA, tb.WeightA, tb.WeightA));
        const __m128i sum = _mm_add_epi16(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c * 4), _mm_srli_epi16(sum, 8));
    }
#endif
    for (; c < count; ++c) {
        const TColumnTap& t = taps[c];
        const std::uint8_t* p = row + t.Offset;
        for (int k = 0; k < 4; ++k)
            out[c * 4 + k] =
                static_cast<std::uint16_t>((p[k] * t.WeightA + p[k + 4] * t.WeightB) >> 8);
    }
}

// (Top x (255 - FY) + Bottom x FY) div 256 for every byte of a destination row.
void BlendRows(const std::uint16_t* top, const std::uint16_t* bottom, unsigned fy,
               std::uint8_t* out, std::size_t count) {
    const unsigned wt = 255 - fy;
    std::size_t i = 0;
#ifdef __SSE2__
    const __m128i vt = _mm_set1_epi16(static_cast<short>(wt));
    const __m128i vb = _mm_set1_epi16(static_cast<short>(fy));
    for (; i + 16 <= count; i += 16) {
        auto blend = [&](std::size_t at) {
            const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + at));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + at));
            return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(t, vt), _mm_mullo_epi16(b, vb)), 8);
        };
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         _mm_packus_epi16(blend(i), blend(i + 8)));
    }
#endif
    for (; i < count; ++i)
        out[i] = static_cast<std::uint8_t>((top[i] * wt + bottom[i] * fy) >> 8);
}

} // namespace

TMDBilinearPlan MakeBilinearPlan(int SW, int SH, int DW, int DH) {
    RequirePositive(SW, SH, "the source");
    RequirePositive(DW, DH, "the destination");
    auto step = [](int s, int d) {
        return static_cast<std::uint32_t>(std::trunc(static_cast<long double>(s) * 65535 / d));
    };
    TMDBilinearPlan plan;
    plan.XStep = step(SW, DW);
    plan.YStep = step(SH, DH);
    // Columns shift by 16 bits, rows divide by 65535: both as the method has always done.
    plan.XSplit = (std::int64_t{SW - 1} * step(DW, SW)) >> 16;
    plan.YSplit = (std::int64_t{SH - 1} * step(DH, SH)) / 65535;
    return plan;
}

void TMDBitmapStretch::BilinearResize(const TMDBitmap& Source, TMDBitmap& Target) {
    if (Target.BitsPerPixel() != 32)
        throw std::invalid_argument("resampling: the bilinear target must have 32 bits per pixel");
    const int SW = Source.Width(), SH = Source.Height();
    const int DW = Target.Width(), DH = Target.Height();
    const TMDBilinearPlan plan = MakeBilinearPlan(SW, SH, DW, DH);
    const std::vector<TColumnTap> taps = ColumnTaps(plan, SW, DW);

    // Rows are read in place when they are 32-bit and at least two pixels wide. Otherwise a row
    // is first widened to 32 bits (the fourth byte 0, as in a converted copy), and a row of one
    // pixel to two equal pixels, so that every tap reads a pair.
    const bool inPlace = Source.BitsPerPixel() == 32 && SW > 1;
    const int step = Source.BytesPerPixel();
    std::vector<std::uint8_t> widened(inPlace ? 0 : static_cast<std::size_t>(std::max(SW, 2)) * 4);
    auto rowOf = [&](int y) -> const std::uint8_t* {
        const std::uint8_t* row = Source.ScanLine(y);
        if (inPlace)
            return row;
        for (int x = 0; x < SW; ++x)
            for (int k = 0; k < 4; ++k)
                widened[x * 4 + k] = k < step ? row[x * step + k] : 0;
        if (SW == 1)
            std::copy(widened.begin(), widened.begin() + 4, widened.begin() + 4);
        return widened.data();
    };

    const std::size_t count = static_cast<std::size_t>(DW) * 4;
    std::vector<std::uint16_t> first(count), second(count);
    int firstRow = -1, secondRow = -1; // source rows now held in the two buffers
    for (int r = 0; r < DH; ++r) {
        int y0, y1;
        unsigned fy;
        if (r < plan.YSplit) {
            const std::uint64_t pos = std::uint64_t{static_cast<std::uint32_t>(r)} * plan.YStep;
            y0 = static_cast<int>(std::min<std::uint64_t>(pos >> 16, SH - 1));
            y1 = std::min(y0 + 1, SH - 1);
            fy = static_cast<unsigned>((pos & 0xFFFF) >> 8);
        } else {
            y0 = SH - 1;
            y1 = std::max(SH - 2, 0);
            fy = 0;
        }
        // Fetch a source row only when the integer row changes.
        if (y0 != firstRow) {
            if (y0 == secondRow) {
                first.swap(second);
                std::swap(firstRow, secondRow);
            } else {
                InterpolateRow(rowOf(y0), taps, first.data());
                firstRow = y0;
            }
        }
        if (fy != 0 && y1 != secondRow) {
            InterpolateRow(rowOf(y1), taps, second.data());
            secondRow = y1;
        }
        // With FY = 0 the second row has no weight; the first stands in for it.
        BlendRows(first.data(), fy != 0 ? second.data() : first.data(), fy, Target.ScanLine(r),
                  count);
    }
}

TMDBitmap TMDBitmapStretch::AverageResize(const TMDBitmap& Source, int DstWidth, int DstHeight) {
    const int W = Source.Width(), H = Source.Height();
    RequirePositive(W, H, "the source");
    RequirePositive(DstWidth, DstHeight, "the destination");
    const auto area = static_cast<float>(static_cast<long double>(W) * H / DstWidth / DstHeight);
    const auto rx = static_cast<double>(static_cast<long double>(W) / DstWidth);
    const auto ry = static_cast<double>(static_cast<long double>(H) / DstHeight);

    // A 32-bit source is read in place, its fourth byte skipped, as its 24-bit copy would be.
    const int step = Source.BytesPerPixel();
    TMDBitmap result(DstWidth, DstHeight, 24);
    std::vector<TSpan> columns;
    columns.reserve(DstWidth);
    for (int x = 0; x < DstWidth; ++x)
        columns.push_back(FootprintSpan(x, rx, W));

    // The sums of a destination row, blue, green, red per pixel. Source rows are the outer
    // loop so that neighbouring pixels' sums are independent chains the processor can overlap;
    // each pixel still adds its source pixels row by row, left to right. A source row is first
    // widened to 16-bit integers, which the floating-point unit loads directly.
    std::vector<double> sums(static_cast<std::size_t>(DstWidth) * 3);
    std::vector<std::int16_t> line(static_cast<std::size_t>(W) * 3);
    for (int y = 0; y < DstHeight; ++y) {
        const TSpan rows = FootprintSpan(y, ry, H);
        std::fill(sums.begin(), sums.end(), 0.0);
        for (int i = rows.First; i <= rows.Last; ++i) {
            const long double wy = rows.Weights[i - rows.First];
            const std::uint8_t* source = Source.ScanLine(i);
            for (int x = 0; x < W; ++x)
                for (int k = 0; k < 3; ++k)
                    line[x * 3 + k] = source[x * step + k];
            double* s = sums.data();
            for (const TSpan& cols : columns) {
                const std::int16_t* p = line.data() + static_cast<std::size_t>(cols.First) * 3;
                const double* wx = cols.Weights.data();
                for (int j = cols.First; j <= cols.Last; ++j, p += 3, ++wx) {
                    const long double w = *wx * wy;
                    s[2] = static_cast<double>(s[2] + w * p[2]);
                    s[1] = static_cast<double>(s[1] + w * p[1]);
                    s[0] = static_cast<double>(s[0] + w * p[0]);
                }
                s += 3;
            }
        }
        std::uint8_t* out = result.ScanLine(y);
        for (std::size_t k = 0; k < sums.size(); ++k)
            out[k] = AverageByte(sums[k], area);
    }
    return result;
}

void TMDBitmapStretch::StretchBitmap(int DstWidth, int DstHeight, double SrcWidth, double SrcHeight,
                                     const TMDBitmap& Source, TMDBitmap& Destination) {
    if (SrcWidth > kAverageLimit || SrcHeight > kAverageLimit || DstWidth > kAverageLimit ||
        DstHeight > kAverageLimit) {
        TMDBitmap target(DstWidth, DstHeight, 32);
        BilinearResize(Source, target);
        Destination = std::move(target);
    } else {
        Destination = AverageResize(Source, DstWidth, DstHeight);
    }
}
