#include "core/YorraTime.h"
#include "core/YorraWeeksList.h"
#include "storage/Cp932.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const std::vector<TListLine>& lines) {
    std::vector<std::string> texts;
    for (const TListLine& l : lines)
        texts.push_back(l.Text);
    return texts;
}

std::string WeekFile() {
    return Utf8ToCp932("[AlbanEiler]\r\nName=月曜\r\nEffect=E1\r\nAdvance=月A\r\n"
                       "[Imbolic]\r\nName=日曜\r\nEffect=A\\nB\\n\r\nAdvance=日A\\n\\n日C\r\n");
}

} // namespace

TEST(YorraWeeksList, SplitsEscapedLines) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitEscapedLines(""), V{});
    EXPECT_EQ(SplitEscapedLines("A\\nB\\n"), (V{"A", "B"}));
    EXPECT_EQ(SplitEscapedLines("A\\n\\nB"), (V{"A", "", "B"}));
    EXPECT_EQ(SplitEscapedLines("\\n"), V{""});
    EXPECT_EQ(SplitEscapedLines("one"), V{"one"});
}

TEST(YorraWeeksList, LinesOfTheDayWithHints) {
    TempFolder dir;
    TYorraWeeksList weeks(dir.Write("YorraPDAWeek.ini", WeekFile()));
    std::vector<TListLine> lines;
    weeks.AppendWeekLines(lines, EncodeDateTime(2026, 12, 13, 12, 0)); // a Sunday
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(Texts(lines),
              (std::vector<std::string>{"○日曜○", "○A○", "○B○", "△日A△", "△△", "△日C△"}));
    EXPECT_EQ(lines[0].Hint, "現在のようび");
    EXPECT_EQ(lines[1].Hint, "ようびこうか");
    EXPECT_EQ(lines[3].Hint, "アドバンスドプレイサービス");
}

TEST(YorraWeeksList, AdvancedServiceDayChangesAt0700) {
    TempFolder dir;
    TYorraWeeksList weeks(dir.Write("YorraPDAWeek.ini", WeekFile()));
    std::vector<TListLine> before, after;
    weeks.AppendWeekLines(before, EncodeDateTime(2026, 12, 14, 6, 59, 59, 999)); // Monday
    weeks.AppendWeekLines(after, EncodeDateTime(2026, 12, 14, 7, 0));
    EXPECT_EQ(Texts(before), (std::vector<std::string>{"○月曜○", "○E1○", "△日A△", "△△", "△日C△"}));
    EXPECT_EQ(Texts(after), (std::vector<std::string>{"○月曜○", "○E1○", "△月A△"}));
}

TEST(YorraWeeksList, CorrectionMovesTheDayChange) {
    TempFolder dir;
    TYorraWeeksList weeks(dir.Write("YorraPDAWeek.ini", WeekFile()));
    // 23:59:30 on Sunday with +20 game minutes (30 s) is Monday 00:00:00.
    const TYorraTimeInfo t = ComputeYorraTime(EncodeDateTime(2026, 12, 13, 23, 59, 30), 20);
    EXPECT_EQ(TYorraWeeksList::CurrentWeekday(t.CorrectedTime), 1);
    EXPECT_EQ(TYorraWeeksList::AdvanceWeekday(t.CorrectedTime), 7);
    const TYorraTimeInfo u = ComputeYorraTime(EncodeDateTime(2026, 12, 13, 23, 59, 30), 19);
    EXPECT_EQ(TYorraWeeksList::CurrentWeekday(u.CorrectedTime), 7);
}

TEST(YorraWeeksList, MissingFileGivesBareNameLine) {
    TempFolder dir;
    TYorraWeeksList weeks(dir.Path() + "missing.ini");
    std::vector<TListLine> lines;
    weeks.AppendWeekLines(lines, EncodeDateTime(2026, 12, 10, 12, 0));
    EXPECT_EQ(Texts(lines), std::vector<std::string>{"○○"});
}
