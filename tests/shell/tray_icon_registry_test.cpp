#include "shell/TrayIconRegistry.h"

#include <gtest/gtest.h>

#include <string>

TEST(ShellTrayIconRegistry, IdentifiersFollowTheLastOne) {
    TTrayIconRegistry registry;
    const int a = registry.Allocate();
    const int b = registry.Allocate();
    const int c = registry.Allocate();
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    registry.Release(b);
    EXPECT_EQ(registry.Allocate(), 4); // not the freed 2
    registry.Release(4);
    registry.Release(c);
    EXPECT_EQ(registry.Allocate(), 2); // the last in the list is now 1
    registry.Release(1);
    registry.Release(2);
    registry.Release(99); // unknown: nothing happens
    EXPECT_EQ(registry.Count(), 0u);
    EXPECT_EQ(registry.Allocate(), 1);
}

TEST(ShellTrayIconRegistry, AtMostOneHundredIcons) {
    TTrayIconRegistry registry;
    for (int i = 0; i < 100; ++i)
        registry.Allocate();
    try {
        registry.Allocate();
        FAIL();
    } catch (const ENotifyIconError& e) {
        EXPECT_STREQ(e.what(), "タスクトレイにアイコンを登録できません。");
    }
    registry.Release(50);
    EXPECT_EQ(registry.Allocate(), 101);
}

TEST(ShellTrayIconRegistry, TipIsCutTo63Cp932Bytes) {
    EXPECT_EQ(CutTipHelp(std::string(70, 'x')), std::string(63, 'x'));
    EXPECT_EQ(CutTipHelp("よらぴぃーでーえー"), "よらぴぃーでーえー");
    // 31 double-byte characters take 62 bytes; the 32nd would be split, so it goes whole.
    std::string wide;
    for (int i = 0; i < 40; ++i)
        wide += "あ";
    std::string expected;
    for (int i = 0; i < 31; ++i)
        expected += "あ";
    EXPECT_EQ(CutTipHelp(wide), expected);
    EXPECT_EQ(CutTipHelp(std::string(62, 'x') + "ｱz"),
              std::string(62, 'x') + "ｱ"); // half-width kana: 1 byte
    EXPECT_EQ(CutTipHelp(""), "");
}
