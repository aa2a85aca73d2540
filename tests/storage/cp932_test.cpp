#include "storage/Cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseAndAscii) {
    const std::string text = "表示テスト ABC ～ ｱｲｳ \\";
    std::string bytes = Utf8ToCp932(text);
    EXPECT_EQ(bytes.substr(0, 2), "\x95\x5C"); // 表: the second byte is 0x5C
    EXPECT_EQ(Cp932ToUtf8(bytes), text);
    EXPECT_EQ(Cp932ByteLength("ｱ表a"), 4u);
}

TEST(Cp932, UnmappableAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b"); // outside cp932
    EXPECT_EQ(Utf8ToCp932("a\xFF"
                          "b"),
              "a?b");                      // broken UTF-8
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a?"); // lone lead byte at the end
    EXPECT_EQ(Cp932ToUtf8("\x82\xA0"
                          "b"),
              "あb");
}
