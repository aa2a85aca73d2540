#include "maps/MDBmpFile.h"
#include "maps/MDJpeg.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TMDBitmap Pattern(int w, int h, int bpp) {
    TMDBitmap b(w, h, bpp);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* p = b.ScanLine(y) + x * b.BytesPerPixel();
            // Blue left half, red right half, a gentle green slope: a JPEG keeps these close.
            p[0] = static_cast<std::uint8_t>(x < w / 2 ? 200 : 20);
            p[1] = static_cast<std::uint8_t>(60 + y * 2);
            p[2] = static_cast<std::uint8_t>(x < w / 2 ? 20 : 200);
        }
    return b;
}

void PutU32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        s[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}

} // namespace

TEST(MDPictureFilesBmp, WritesAndReadsTwentyFourBitFiles) {
    TempFolder folder;
    // Width 5 needs a padded row of 16 bytes.
    const TMDBitmap picture = Pattern(5, 3, 24);
    const std::string path = folder.Path() + "p.bmp";
    SaveBmpFile(path, picture);
    const std::string bytes = folder.Read("p.bmp");
    ASSERT_EQ(bytes.size(), 54u + 16u * 3u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    // The first stored row is the bottom one.
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[54 + 1]), picture.ScanLine(2)[1]);
    EXPECT_EQ(LoadBmpFile(path), picture);
    // A 32-bit bitmap is written as 24 bits.
    EXPECT_EQ(DecodeBmp(EncodeBmp(Pattern(4, 4, 32)), "m"), Pattern(4, 4, 24));
}

TEST(MDPictureFilesBmp, ReadsTopDownThirtyTwoBitAndPalettes) {
    // Top-down 32-bit: negative height.
    {
        std::string bmp(54 + 16, '\0');
        bmp[0] = 'B';
        bmp[1] = 'M';
        PutU32(bmp, 10, 54);
        PutU32(bmp, 14, 40);
        PutU32(bmp, 18, 2);
        PutU32(bmp, 22, static_cast<std::uint32_t>(-2));
        bmp[26] = 1;
        bmp[28] = 32;
        const TMDBitmap p = Pattern(2, 2, 24);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                for (int k = 0; k < 3; ++k)
                    bmp[54 + y * 8 + x * 4 + k] = static_cast<char>(p.ScanLine(y)[x * 3 + k]);
        EXPECT_EQ(DecodeBmp(bmp, "t"), p);
        // The same pixels described by bit fields in blue, green, red order.
        std::string fields = bmp.substr(0, 54) + std::string(12, '\0') + bmp.substr(54);
        PutU32(fields, 10, 66);
        PutU32(fields, 30, 3);
        PutU32(fields, 54, 0xFF0000);
        PutU32(fields, 58, 0xFF00);
        PutU32(fields, 62, 0xFF);
        EXPECT_EQ(DecodeBmp(fields, "f"), p);
        PutU32(fields, 62, 0xFF000000);
        EXPECT_THROW(DecodeBmp(fields, "f"), std::runtime_error);
    }
    // 1 bit per pixel, two colours, width 10 (row of 2 bytes padded to 4), bottom-up, 1 row.
    std::string mono(62 + 4, '\0');
    mono[0] = 'B';
    mono[1] = 'M';
    PutU32(mono, 10, 62);
    PutU32(mono, 14, 40);
    PutU32(mono, 18, 10);
    PutU32(mono, 22, 1);
    mono[26] = 1;
    mono[28] = 1;
    PutU32(mono, 54, 0x00000000);
    PutU32(mono, 58, 0x00FF8040); // blue 0x40, green 0x80, red 0xFF
    mono[62] = static_cast<char>(0b10100000);
    mono[63] = static_cast<char>(0b01000000);
    const TMDBitmap m = DecodeBmp(mono, "m");
    ASSERT_EQ(m.Width(), 10);
    const int lit[10] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(m.ScanLine(0)[x * 3 + 2], lit[x] ? 0xFF : 0) << x;
    EXPECT_EQ(m.ScanLine(0)[0], 0x40);
}

TEST(MDPictureFilesBmp, DamagedFilesAreErrorsNamingTheFile) {
    const std::string good = EncodeBmp(Pattern(6, 4, 24));
    std::string hugeSize = good;
    PutU32(hugeSize, 18, 0x7FFFFFFF);
    std::string compressed = good;
    PutU32(compressed, 30, 1);
    std::string badOffset = good;
    PutU32(badOffset, 10, 0xFFFFFFF0);
    std::string badDepth = good;
    badDepth[28] = 16;
    for (const std::string& bytes :
         {std::string(), std::string("BM"), good.substr(0, good.size() - 1), hugeSize, compressed,
          badOffset, badDepth, std::string("GIF89a") + good}) {
        try {
            DecodeBmp(bytes, "broken.bmp");
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("broken.bmp"), std::string::npos);
        }
    }
    EXPECT_THROW(LoadBmpFile("/nonexistent/x.bmp"), std::runtime_error);
}

TEST(MDPictureFilesJpeg, EncodesAndDecodesAtQuality) {
    TempFolder folder;
    const TMDBitmap picture = Pattern(64, 48, 24);
    const std::string path = folder.Path() + "p.jpg";
    SaveJpegFile(path, picture, 100);
    const std::string bytes = folder.Read("p.jpg");
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(GetJpegSize(picture, 100), static_cast<std::int64_t>(bytes.size()));
    const TMDBitmap back = LoadJpegFile(path);
    ASSERT_EQ(back.Width(), 64);
    ASSERT_EQ(back.Height(), 48);
    // Lossy, and colours bleed a little across the edge, but each half keeps its colour: blue
    // and red are not swapped.
    for (auto [x, y] : {std::pair{5, 10}, std::pair{60, 40}})
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(back.ScanLine(y)[x * 3 + k], picture.ScanLine(y)[x * 3 + k], 4);
    // Lower quality, fewer bytes; 32-bit sources encode like their 24-bit form.
    EXPECT_LT(GetJpegSize(picture, 20), GetJpegSize(picture, 100));
    EXPECT_EQ(EncodeJpeg(Pattern(64, 48, 32), 90), EncodeJpeg(picture, 90));
}

TEST(MDPictureFilesJpeg, DamagedFilesAreErrorsNamingTheFile) {
    const std::string good = EncodeJpeg(Pattern(64, 48, 24), 80);
    std::string badFrame = good;
    // The frame header's sample precision becomes 3 bits.
    badFrame[good.find("\xFF\xC0") + 4] = 3;
    for (const std::string& bytes :
         {std::string(), std::string("\xFF\xD8"), badFrame, std::string("not a jpeg at all")}) {
        try {
            DecodeJpeg(bytes, "broken.jpg");
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("broken.jpg"), std::string::npos);
        } catch (...) {
            ADD_FAILURE() << "wrong error for " << bytes.size() << " bytes";
        }
    }
    // A file cut short still shows what arrived.
    EXPECT_EQ(
        DecodeJpeg(good.substr(0, (good.find("\xFF\xDA") + good.size()) / 2), "cut.jpg").Width(),
        64);
    EXPECT_THROW(LoadJpegFile("/nonexistent/x.jpg"), std::runtime_error);
    EXPECT_THROW(EncodeJpeg(TMDBitmap(), 100), std::invalid_argument);
}
