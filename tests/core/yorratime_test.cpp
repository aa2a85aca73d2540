#include "core/YorraTime.h"

#include "AllocationCounter.h"

#include <gtest/gtest.h>

namespace {

struct ClockCase {
    TLocalDateTime now;
    int plus;
    int realDays;
    int elapsed;
    const char* clock;
    int moonGate;
    int price;
    const char* picture;
};

TLocalDateTime At(int y, int mo, int d, int h, int mi, int s, int ms) {
    return EncodeDateTime(y, mo, d, h, mi, s, ms);
}

} // namespace

TEST(YorraTime, MatchesTheReferenceTable) {
    const ClockCase cases[] = {
        {At(2005, 3, 27, 0, 0, 0, 0), 0, 0, 0, "00:00", 0, 0, "夜.bmp"},
        {At(2005, 3, 27, 0, 1, 31, 499), 0, 0, 60, "01:00", 0, 0, "夜.bmp"},
        {At(2005, 3, 27, 0, 8, 59, 999), 0, 0, 359, "05:59", 0, 0, "朝.bmp"},
        {At(2005, 3, 27, 0, 9, 0, 0), 0, 0, 360, "06:00", 1, 0, "午前.bmp"},
        {At(2005, 3, 27, 0, 27, 0, 0), 0, 0, 1080, "18:00", 1, 0, "夕焼け.bmp"},
        {At(2005, 3, 27, 0, 36, 0, 0), 0, 0, 1440, "00:00", 1, 1, "夜.bmp"},
        {At(2005, 3, 27, 23, 59, 59, 999), 0, 0, 57599, "23:59", 40, 39, "夜.bmp"},
        {At(2005, 3, 28, 0, 0, 0, 0), 0, 1, 0, "00:00", 40, 40, "夜.bmp"},
        // The correction moves the clock by 1.5 s per game minute.
        {At(2005, 3, 27, 0, 0, 0, 0), 1, 0, 1, "00:01", 0, 0, "夜.bmp"},
        {At(2005, 3, 27, 0, 0, 0, 0), 60, 0, 60, "01:00", 0, 0, "夜.bmp"},
        {At(2008, 1, 1, 12, 34, 56, 0), -17, 1010, 30180, "23:00", 40421, 40420, "夜.bmp"},
        // Picture boundaries are inclusive as listed: 02:59, 03:00, 20:59, 21:00.
        {At(2005, 3, 27, 0, 0, 0, 0) + 179 * 1500, 0, 0, 179, "02:59", 0, 0, "夜.bmp"},
        {At(2005, 3, 27, 0, 0, 0, 0) + 180 * 1500, 0, 0, 180, "03:00", 0, 0, "朝.bmp"},
        {At(2005, 3, 27, 0, 0, 0, 0) + 1259 * 1500, 0, 0, 1259, "20:59", 1, 0, "夕焼け.bmp"},
        {At(2005, 3, 27, 0, 0, 0, 0) + 1260 * 1500, 0, 0, 1260, "21:00", 1, 0, "夜.bmp"},
        {At(2005, 3, 27, 0, 0, 0, 0) + 719 * 1500, 0, 0, 719, "11:59", 1, 0, "午前.bmp"},
        {At(2005, 3, 27, 0, 0, 0, 0) + 720 * 1500, 0, 0, 720, "12:00", 1, 0, "午後.bmp"},
    };
    for (const ClockCase& c : cases) {
        const TYorraTimeInfo t = ComputeYorraTime(c.now, c.plus);
        SCOPED_TRACE(c.clock);
        EXPECT_EQ(t.CorrectedTime, c.now + c.plus * 1500);
        EXPECT_EQ(t.RealDays, c.realDays);
        EXPECT_EQ(t.ElapsedYorraMinutes, c.elapsed);
        EXPECT_EQ(t.MinuteOfDay, c.elapsed % 1440);
        EXPECT_EQ(t.Hour, (c.elapsed / 60) % 24);
        EXPECT_EQ(t.Minute, c.elapsed % 60);
        EXPECT_EQ(t.ClockText(), c.clock);
        EXPECT_EQ(t.MoonGateIndex, c.moonGate);
        EXPECT_EQ(t.PriceIndex, c.price);
        EXPECT_EQ(t.BackPictureName, c.picture);
    }
}

TEST(YorraTime, RealDaysWrapAfter65536DaysAndIndicesFollow) {
    const TYorraTimeInfo t = ComputeYorraTime(YorraBaseDate + 65537 * MsPerDay, 0);
    EXPECT_EQ(t.RealDays, 1);
    EXPECT_EQ(t.PriceIndex, 40);
    EXPECT_EQ(t.MoonGateIndex, 40);
}

TEST(YorraTime, BeforeTheBaseDateReadsAsTheBase) {
    const TLocalDateTime early = EncodeDateTime(2001, 6, 1, 12, 0, 0, 0);
    const TYorraTimeInfo t = ComputeYorraTime(early, 0);
    EXPECT_EQ(t.CorrectedTime, early);
    EXPECT_EQ(t.RealDays, 0);
    EXPECT_EQ(t.ElapsedYorraMinutes, 0);
    EXPECT_EQ(t.ClockText(), "00:00");
    // A large negative correction on the base day itself.
    EXPECT_EQ(ComputeYorraTime(YorraBaseDate + 1000, -1439).ElapsedYorraMinutes, 0);
}

TEST(YorraTime, AllocatesNothing) {
    const std::size_t before = AllocationCount();
    int sum = 0;
    for (int i = 0; i < 1000; ++i)
        sum += ComputeYorraTime(YorraBaseDate + i * 977'311LL, i % 200 - 100).Minute;
    EXPECT_EQ(AllocationCount(), before);
    EXPECT_GE(sum, 0);
}
