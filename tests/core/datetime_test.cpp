#include "core/DateTime.h"

#include <gtest/gtest.h>

TEST(DateTime, EncodesDecodesAndNamesWeekdays) {
    struct Case {
        int y, mo, d, h, mi, s, ms, weekday;
    } cases[] = {
        {1970, 1, 1, 0, 0, 0, 0, 4},       {2005, 3, 27, 0, 0, 0, 0, 7},
        {2008, 2, 29, 23, 59, 59, 999, 5}, {2026, 12, 7, 6, 59, 0, 0, 1},
        {1969, 12, 31, 12, 0, 0, 1, 3},    {2100, 3, 1, 7, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const TLocalDateTime t = EncodeDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s, c.ms);
        const TDateTimeParts p = DecodeDateTime(t);
        EXPECT_EQ(p.Year, c.y);
        EXPECT_EQ(p.Month, c.mo);
        EXPECT_EQ(p.Day, c.d);
        EXPECT_EQ(p.Hour, c.h);
        EXPECT_EQ(p.Minute, c.mi);
        EXPECT_EQ(p.Second, c.s);
        EXPECT_EQ(p.Millisecond, c.ms);
        EXPECT_EQ(IsoWeekday(t), c.weekday) << c.y << "-" << c.mo << "-" << c.d;
    }
}
