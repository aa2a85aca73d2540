#include "memo/JapaneseCode.h"
#include "memo/JapaneseConverters.h"
#include "storage/Cp932.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <string>
#include <vector>

namespace {

const std::string kEsc = "\x1b";
const std::string kJisIn = kEsc + "$B";
const std::string kJisOut = kEsc + "(J";

struct TDetectCase {
    const char* Name;
    std::string Text;
    int Code;
};

TEST(JapaneseCodeDetect, ClassifiesByTheFirstDecidingBytes) {
    const std::string longAscii(600, 'a');
    const std::vector<TDetectCase> cases = {
        {"empty", "", jcUnknown},
        {"one byte is never classified", "\x82", jcUnknown},
        {"plain ASCII", "Mabinogi", jcUnknown},
        {"control byte",
         "a\x01"
         "b",
         jcNotText},
        {"byte 255",
         "\xFF"
         "ab",
         jcNotText},
        {"last byte is not looked at", "ab\x01", jcUnknown},
        {"control byte after a decision but within 512 bytes",
         "\x82\xA0\x01"
         "a",
         jcNotText},
        {"control byte past 512 after a decision",
         "\x82\xA0" + longAscii +
             "\x01"
             "a",
         jcShiftJis},
        {"control byte past 512 undecided",
         longAscii + "\x01"
                     "a",
         jcNotText},
        {"JIS new", kJisIn + "$\"", jcJisNew},
        {"JIS old", kEsc + "$@", jcJisOld},
        {"ESC without $", kEsc + "(Jab", jcUnknown},
        {"Shift-JIS hiragana", "\x82\xA0", jcShiftJis},
        {"Shift-JIS after ASCII", "abc\x88\x9F", jcShiftJis},
        {"EUC lead F0-FE", "\xF0\xA1", jcEucJp},
        {"EUC trail F0-FE", "\xA4\xF3", jcEucJp},
        {"EUC hiragana alone is undecided", "\xA4\xA2\xA4\xA4", jcEucOrSjis},
        {"half-width katakana only", "\xB1\xB2\xB3\xB4", jcEucOrSjis},
        {"half-width katakana then Shift-JIS", "\xB1\xB2\x82\xA0", jcShiftJis},
        {"katakana then Shift-JIS trail", "\xB1\x82", jcShiftJis},
        {"8E with Shift-JIS trail", "\x8E\x40", jcShiftJis},
        {"8E with katakana", "\x8E\xB1", jcEucOrSjis},
        {"E0-EF with Shift-JIS trail", "\xE0\x40", jcShiftJis},
        {"E0-EF with EUC trail", "\xE0\xFD", jcEucJp},
        {"E0-EF undecided", "\xE0\xA1", jcEucOrSjis},
        {"look-ahead finds Shift-JIS", "\xB1\xE0\x81", jcShiftJis},
        {"look-ahead finds EUC", "\xB1\xE0\xA1\xFD", jcEucJp},
        {"look-ahead runs out", "\xB1\xE0\xA1", jcEucOrSjis},
        {"look-ahead stops at ASCII",
         "\xB1\xE0\xA1"
         "a\x81\x40",
         jcShiftJis},
        {"80 and A0 tell nothing",
         "\x80\xA0"
         "a",
         jcUnknown},
    };
    for (const TDetectCase& c : cases)
        EXPECT_EQ(DetectJapaneseCode(c.Text), c.Code) << c.Name;
}

TEST(JapaneseCodePairs, ConvertRowAndCellBothWays) {
    struct TPairCase {
        TBytePair Sjis;
        TBytePair Jis;
    };
    const std::vector<TPairCase> cases = {
        {{0x82, 0xA0}, {0x24, 0x22}}, // あ
        {{0x81, 0x40}, {0x21, 0x21}}, // ideographic space, odd row, low cell
        {{0x81, 0x80}, {0x21, 0x60}}, // odd row, cell past the 0x7F gap
        {{0x88, 0x9F}, {0x30, 0x21}}, // 亜, even row
        {{0x9F, 0xFC}, {0x5E, 0x7E}}, // last cell below the E0 lead bytes
        {{0xE0, 0x40}, {0x5F, 0x21}}, // first cell of the upper lead bytes
        {{0xEA, 0xA4}, {0x74, 0x26}}, // 熙, the last character of row 84
    };
    for (const TPairCase& c : cases) {
        EXPECT_EQ(SjisPairToJis(c.Sjis.First, c.Sjis.Second), c.Jis) << int(c.Sjis.First);
        EXPECT_EQ(JisPairToSjis(c.Jis.First, c.Jis.Second), c.Sjis) << int(c.Jis.First);
    }
}

TEST(JapaneseCodePairs, HalfKanaMapsToItsFullWidthForm) {
    // The full-width counterparts of 0xA1 ... 0xDF in order, converted through cp932.
    const std::string fullWidth = Utf8ToCp932(
        "。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒ"
        "フヘホマミムメモヤユヨラリルレロワン゛゜");
    ASSERT_EQ(fullWidth.size(), 63u * 2);
    for (int k = 0xA1; k <= 0xDF; ++k) {
        std::size_t at = (k - 0xA1) * 2;
        TBytePair expected = SjisPairToJis(fullWidth[at], fullWidth[at + 1]);
        bool markUsed = true;
        EXPECT_EQ(HalfKanaToJis(k, 'a', markUsed), expected) << k;
        EXPECT_FALSE(markUsed);
    }
}

struct TConvertCase {
    const char* Name;
    std::string (*Convert)(std::string_view);
    std::string Input;
    std::string Output;
};

TEST(JapaneseCodeConverters, FollowTheByteRules) {
    const std::vector<TConvertCase> cases = {
        {"SJIS>EUC half-width kana", SjisToEuc, "\xB1", "\x8E\xB1"},
        {"SJIS>EUC pair", SjisToEuc,
         "a\x82\xA0"
         "b",
         "a\xA4\xA2"
         "b"},
        {"SJIS>EUC lone lead byte reads 0", SjisToEuc, "\x82",
         "\xA3"
         "a"},
        {"EUC>SJIS", EucToSjis, "a\xA4\xA2\x8E\xB1\x80", "a\x82\xA0\xB1\x80"},
        {"JIS>EUC", JisToEuc, kJisIn + "$\"\n" + kJisOut + "a", "\xA4\xA2\na"},
        {"JIS>EUC unknown escape keeps the state", JisToEuc, kJisIn + "$\"" + kEsc + "Kx$\"",
         "\xA4\xA2\xA4\xA2"},
        {"JIS>SJIS", JisToSjis, "a" + kJisIn + "$\"%\"" + kJisOut + "b",
         "a\x82\xA0\x83\x41"
         "b"},
        {"SJIS>JIS closes runs at line breaks and ASCII", SjisToJis,
         "a\x82\xA0\r\n\x82\xA0"
         "b",
         "a" + kJisIn + "$\"" + kJisOut + "\r\n" + kJisIn + "$\"" + kJisOut + "b"},
        {"SJIS>JIS leaves the last run open", SjisToJis, "\x82\xA0", kJisIn + "$\""},
        {"SJIS>JIS voiced ｶﾞ", SjisToJis, "\xB6\xDE", kJisIn + "%,"},
        {"SJIS>JIS voiced ﾊﾞ and semi-voiced ﾊﾟ", SjisToJis, "\xCA\xDE\xCA\xDF", kJisIn + "%P%Q"},
        {"SJIS>JIS ｳﾞ", SjisToJis, "\xB3\xDE", kJisIn + "%t"},
        {"SJIS>JIS mark that does not combine", SjisToJis, "\xB1\xDE\xB6\xDF",
         kJisIn + "%\"!+%+!,"},
        {"SJIS>JIS kana and kanji in one run", SjisToJis, "\xB1\x88\x9F", kJisIn + "%\"0!"},
        {"EUC>JIS", EucToJis,
         "\xA4\xA2"
         "a",
         kJisIn + "$\"" + kJisOut + "a"},
        {"EUC>JIS voiced kana", EucToJis, "\x8E\xB6\x8E\xDE\x8E\xB1", kJisIn + "%,%\""},
        {"EUC>JIS semi-voiced kana", EucToJis, "\x8E\xCE\x8E\xDF", kJisIn + "%]"},
    };
    for (const TConvertCase& c : cases)
        EXPECT_EQ(c.Convert(c.Input), c.Output) << c.Name;
}

TEST(JapaneseCodeConvert, ConvertsOnlyWhenTheDetectedCodeDiffers) {
    struct TCase {
        const char* Name;
        std::string Input;
        int Target;
        std::string Output;
    };
    const std::vector<TCase> cases = {
        {"one byte stays", "\x82", jcEucJp, "\x82"},
        {"ASCII stays", "abc", jcEucJp, "abc"},
        {"half-width katakana stay", "\xB1\xB2", jcEucJp, "\xB1\xB2"},
        {"non-text stays",
         "\x82\xA0\x01"
         "a",
         jcEucJp,
         "\x82\xA0\x01"
         "a"},
        {"Shift-JIS to EUC", "\x82\xA0\xB1", jcEucJp, "\xA4\xA2\x8E\xB1"},
        {"Shift-JIS to JIS", "\x82\xA0", jcJisNew, kJisIn + "$\""},
        {"Shift-JIS to Shift-JIS stays", "\x82\xA0", jcShiftJis, "\x82\xA0"},
        {"EUC to Shift-JIS", "\xA4\xF3", jcShiftJis, "\x82\xF1"},
        {"EUC to JIS", "\xA4\xF3", jcJisNew, kJisIn + "$s"},
        {"JIS to EUC", kJisIn + "$\"", jcEucJp, "\xA4\xA2"},
        {"old JIS to Shift-JIS", kEsc + "$@$\"", jcShiftJis, "\x82\xA0"},
        {"old JIS to JIS stays", kEsc + "$@$\"", jcJisNew, kEsc + "$@$\""},
        {"other target stays", "\x82\xA0", jcJisOld, "\x82\xA0"},
        {"target out of range stays", "\x82\xA0", 9, "\x82\xA0"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ConvertJapaneseCode(c.Input, c.Target), c.Output) << c.Name;
}

// Every character of JIS X 0208 rows 1 to 84 that cp932 defines, as Shift-JIS pairs.
std::vector<std::string> Cp932Rows1To84() {
    std::vector<std::string> chars;
    for (int row = 0x21; row <= 0x74; ++row)
        for (int cell = 0x21; cell <= 0x7E; ++cell) {
            TBytePair sjis = JisPairToSjis(row, cell);
            std::string pair{static_cast<char>(sjis.First), static_cast<char>(sjis.Second)};
            if (Cp932ToUtf8(pair) != "?")
                chars.push_back(pair);
        }
    return chars;
}

std::string ConvertWithIconv(const std::string& text, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return "";
    std::string out(text.size() * 4, '\0');
    char* src = const_cast<char*>(text.data());
    std::size_t srcLeft = text.size();
    char* dst = out.data();
    std::size_t dstLeft = out.size();
    std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        return "";
    out.resize(out.size() - dstLeft);
    return out;
}

TEST(JapaneseCodeRoundTrip, Rows1To84SurviveEucAndJis) {
    std::vector<std::string> chars = Cp932Rows1To84();
    ASSERT_GT(chars.size(), 6800u);
    std::string all;
    for (const std::string& c : chars) {
        all += c;
        std::string euc = SjisToEuc(c);
        EXPECT_EQ(EucToSjis(euc), c);
        EXPECT_EQ(JisToSjis(SjisToJis(c)), c);
        EXPECT_EQ(EucToJis(euc), SjisToJis(c));
        EXPECT_EQ(JisToEuc(SjisToJis(c)), euc);
    }
    EXPECT_EQ(EucToSjis(SjisToEuc(all)), all);
    EXPECT_EQ(JisToSjis(SjisToJis(all)), all);
    EXPECT_EQ(ConvertJapaneseCode(ConvertJapaneseCode(all, jcEucJp), jcShiftJis), all);
}

TEST(JapaneseCodeRoundTrip, EucMatchesTheSystemConverter) {
    // The NEC special characters of row 13 have duplicates elsewhere that the system converter
    // prefers, so only the standard rows are compared.
    int compared = 0;
    for (const std::string& c : Cp932Rows1To84()) {
        if (SjisPairToJis(c[0], c[1]).First == 0x2D)
            continue;
        std::string expected = ConvertWithIconv(c, "EUC-JP-MS", "CP932");
        if (!expected.empty()) {
            EXPECT_EQ(SjisToEuc(c), expected) << Cp932ToUtf8(c);
            ++compared;
        }
    }
    EXPECT_GT(compared, 6800);
}

} // namespace
