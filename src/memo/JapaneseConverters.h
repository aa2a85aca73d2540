#pragma once

#include <string>
#include <string_view>

// Byte-level converters between Shift-JIS (cp932), EUC-JP and 7-bit JIS. They trust the caller's
// idea of the input's code and never fail: a byte read past the end of the text counts as 0.

struct TBytePair {
    unsigned char First;
    unsigned char Second;
    bool operator==(const TBytePair&) const = default;
};

// A Shift-JIS double-byte character to its JIS X 0208 row and cell bytes, and back.
TBytePair SjisPairToJis(unsigned char a, unsigned char b);
TBytePair JisPairToSjis(unsigned char a, unsigned char b);

// The full-width JIS X 0208 form of the half-width katakana k (0xA1-0xDF). When next is a sound
// mark that combines with k (ｶﾞ, ﾊﾟ, ｳﾞ...), it is folded in and markUsed is set.
TBytePair HalfKanaToJis(unsigned char k, unsigned char next, bool& markUsed);

std::string SjisToEuc(std::string_view text);
std::string EucToSjis(std::string_view text);
std::string JisToEuc(std::string_view text);
std::string JisToSjis(std::string_view text);
std::string SjisToJis(std::string_view text);
std::string EucToJis(std::string_view text);
