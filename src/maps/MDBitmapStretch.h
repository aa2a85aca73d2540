#pragma once

#include "maps/MDBitmap.h"

#include <cstdint>

// The fixed-point sampling plan of the bilinear method: steps advance by 16 fractional bits,
// and destination columns and rows from the split on sample the source's last ones.
struct TMDBilinearPlan {
    std::uint32_t XStep = 0;
    std::uint32_t YStep = 0;
    std::int64_t XSplit = 0;
    std::int64_t YSplit = 0;
};

// Throws std::invalid_argument when either size has a zero or negative side.
TMDBilinearPlan MakeBilinearPlan(int SW, int SH, int DW, int DH);

// The one resampler of the program: an exact area average up to 1500 pixels in every direction,
// a fixed-point bilinear method beyond that. It holds no memory between calls: sources are read
// in place (a row at a time widened where the depth differs), never copied whole.
class TMDBitmapStretch {
  public:
    // Replaces Destination with Source resampled to DstWidth x DstHeight. Failures (an empty
    // source, a zero destination size, memory) are thrown to the caller.
    void StretchBitmap(int DstWidth, int DstHeight, double SrcWidth, double SrcHeight,
                       const TMDBitmap& Source, TMDBitmap& Destination);

    // Every destination pixel the mean of the source area it covers; a new 24-bit bitmap.
    static TMDBitmap AverageResize(const TMDBitmap& Source, int DstWidth, int DstHeight);
    // Fills the whole 32-bit Target from Source, a 24-bit source read as if converted to 32.
    static void BilinearResize(const TMDBitmap& Source, TMDBitmap& Target);

    // The work bitmaps, empty between calls; exposed so callers can see no memory is held.
    const TMDBitmap& SourceWork() const { return sourceWork_; }
    const TMDBitmap& TargetWork() const { return targetWork_; }

  private:
    TMDBitmap sourceWork_{0, 0, 32};
    TMDBitmap targetWork_{0, 0, 32};
};
