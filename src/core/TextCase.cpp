#include "core/TextCase.h"

#include <cstdint>

namespace {

// Next code point of UTF-8 text (a broken byte stands for itself).
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    if (i + n > s.size())
        n = 1;
    char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (int k = 1; k < n; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    i += n;
    return cp;
}

char32_t FoldCase(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if (c >= U'ａ' && c <= U'ｚ')
        return c - (U'ａ' - U'Ａ');
    return c;
}

} // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t x = FoldCase(NextCodePoint(a, i));
        char32_t y = FoldCase(NextCodePoint(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}
