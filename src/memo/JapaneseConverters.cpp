#include "memo/JapaneseConverters.h"

#include "memo/JapaneseBytes.h"

#include <array>

namespace {

constexpr unsigned char kEsc = 27;
constexpr unsigned char kCr = 13;
constexpr unsigned char kLf = 10;
constexpr unsigned char kEucKanaPrefix = 0x8E;
constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

// Row and cell of the full-width counterparts of the half-width katakana 0xA1-0xDF, in order:
// 。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ
// マミムメモヤユヨラリルレロワン゛゜
constexpr std::array<TBytePair, 63> kHalfKanaJis = {{
    {0x21, 0x23}, {0x21, 0x56}, {0x21, 0x57}, {0x21, 0x22}, {0x21, 0x26}, {0x25, 0x72},
    {0x25, 0x21}, {0x25, 0x23}, {0x25, 0x25}, {0x25, 0x27}, {0x25, 0x29}, {0x25, 0x63},
    {0x25, 0x65}, {0x25, 0x67}, {0x25, 0x43}, {0x21, 0x3C}, {0x25, 0x22}, {0x25, 0x24},
    {0x25, 0x26}, {0x25, 0x28}, {0x25, 0x2A}, {0x25, 0x2B}, {0x25, 0x2D}, {0x25, 0x2F},
    {0x25, 0x31}, {0x25, 0x33}, {0x25, 0x35}, {0x25, 0x37}, {0x25, 0x39}, {0x25, 0x3B},
    {0x25, 0x3D}, {0x25, 0x3F}, {0x25, 0x41}, {0x25, 0x44}, {0x25, 0x46}, {0x25, 0x48},
    {0x25, 0x4A}, {0x25, 0x4B}, {0x25, 0x4C}, {0x25, 0x4D}, {0x25, 0x4E}, {0x25, 0x4F},
    {0x25, 0x52}, {0x25, 0x55}, {0x25, 0x58}, {0x25, 0x5B}, {0x25, 0x5E}, {0x25, 0x5F},
    {0x25, 0x60}, {0x25, 0x61}, {0x25, 0x62}, {0x25, 0x64}, {0x25, 0x66}, {0x25, 0x68},
    {0x25, 0x69}, {0x25, 0x6A}, {0x25, 0x6B}, {0x25, 0x6C}, {0x25, 0x6D}, {0x25, 0x6F},
    {0x25, 0x73}, {0x21, 0x2B}, {0x21, 0x2C},
}};

void Append(std::string& out, TBytePair pair) {
    out.push_back(static_cast<char>(pair.First));
    out.push_back(static_cast<char>(pair.Second));
}

void Append(std::string& out, unsigned char c) {
    out.push_back(static_cast<char>(c));
}

// Escape sequences that open and close a run of double-byte characters.
void EnterDoubleByteRun(std::string& out, bool& inRun) {
    if (inRun)
        return;
    out.append({static_cast<char>(kEsc), '$', 'B'});
    inRun = true;
}

void LeaveDoubleByteRun(std::string& out, bool& inRun) {
    if (!inRun)
        return;
    out.append({static_cast<char>(kEsc), '(', 'J'});
    inRun = false;
}

// The reading side of JIS text: walks escapes and hands every other byte to the handler with
// the shift state; the handler returns how many bytes it consumed.
template <typename Handler> std::string WalkJis(std::string_view text, Handler handle) {
    TJapaneseBytes s(text);
    std::string out;
    out.reserve(text.size());
    bool shifted = false;
    std::size_t i = 1;
    while (i <= s.Length()) {
        if (s[i] == kEsc) {
            if (s[i + 1] == '$')
                shifted = true;
            else if (s[i + 1] == '(')
                shifted = false;
            i += 3;
            continue;
        }
        i += handle(out, s, i, shifted);
    }
    return out;
}

} // namespace

TBytePair SjisPairToJis(unsigned char a, unsigned char b) {
    int first = a < 0xA0 ? (a - 0x70) * 2 : (a - 0xB0) * 2;
    int second;
    if (b < 0x9F) {
        first -= 1;
        second = b > 0x7F ? b - 0x20 : b - 0x1F;
    } else {
        second = b - 0x7E;
    }
    return {static_cast<unsigned char>(first), static_cast<unsigned char>(second)};
}

TBytePair JisPairToSjis(unsigned char a, unsigned char b) {
    int second;
    if (a % 2 == 1)
        second = b > 0x5F ? b + 0x20 : b + 0x1F;
    else
        second = b + 0x7E;
    int first = ((a + 1) >> 1) + (a < 0x5F ? 0x70 : 0xB0);
    return {static_cast<unsigned char>(first), static_cast<unsigned char>(second)};
}

TBytePair HalfKanaToJis(unsigned char k, unsigned char next, bool& markUsed) {
    markUsed = false;
    if (!InByteRange(k, 0xA1, 0xDF))
        return {0, 0};
    TBytePair jis = kHalfKanaJis[k - 0xA1];
    bool voicable = InByteRange(k, 0xB6, 0xC4) || InByteRange(k, 0xCA, 0xCE);
    if (next == kVoicedMark && k == 0xB3) {
        jis = {0x25, 0x74};
        markUsed = true;
    } else if (next == kVoicedMark && voicable) {
        jis.Second += 1;
        markUsed = true;
    } else if (next == kSemiVoicedMark && InByteRange(k, 0xCA, 0xCE)) {
        jis.Second += 2;
        markUsed = true;
    }
    return jis;
}

std::string SjisToEuc(std::string_view text) {
    TJapaneseBytes s(text);
    std::string out;
    out.reserve(text.size() * 2);
    std::size_t i = 1;
    while (i <= s.Length()) {
        unsigned char c = s[i];
        if (c <= 0x7F) {
            Append(out, c);
            i += 1;
        } else if (InByteRange(c, 0xA1, 0xDF)) {
            Append(out, kEucKanaPrefix);
            Append(out, c);
            i += 1;
        } else {
            TBytePair jis = SjisPairToJis(c, s[i + 1]);
            Append(out, {static_cast<unsigned char>(jis.First + 0x80),
                         static_cast<unsigned char>(jis.Second + 0x80)});
            i += 2;
        }
    }
    return out;
}

std::string EucToSjis(std::string_view text) {
    TJapaneseBytes s(text);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 1;
    while (i <= s.Length()) {
        unsigned char c = s[i];
        if (c <= 0x80 || c == 0xFF) {
            Append(out, c);
            i += 1;
        } else if (c == kEucKanaPrefix) {
            Append(out, s[i + 1]);
            i += 2;
        } else {
            Append(out, JisPairToSjis(static_cast<unsigned char>(c - 0x80),
                                      static_cast<unsigned char>(s[i + 1] - 0x80)));
            i += 2;
        }
    }
    return out;
}

std::string JisToEuc(std::string_view text) {
    return WalkJis(
        text,
        [](std::string& out, const TJapaneseBytes& s, std::size_t i, bool shifted) -> std::size_t {
            unsigned char c = s[i];
            Append(out, shifted && InByteRange(c, 0x21, 0x7E) ? static_cast<unsigned char>(c | 0x80)
                                                              : c);
            return 1;
        });
}

std::string JisToSjis(std::string_view text) {
    return WalkJis(
        text,
        [](std::string& out, const TJapaneseBytes& s, std::size_t i, bool shifted) -> std::size_t {
            if (!shifted) {
                Append(out, s[i]);
                return 1;
            }
            Append(out, JisPairToSjis(s[i], s[i + 1]));
            return 2;
        });
}

std::string SjisToJis(std::string_view text) {
    TJapaneseBytes s(text);
    std::string out;
    out.reserve(text.size() * 2);
    bool inRun = false;
    std::size_t i = 1;
    while (i <= s.Length()) {
        unsigned char c = s[i];
        if (c < 0x80) {
            LeaveDoubleByteRun(out, inRun);
            Append(out, c);
            i += 1;
            continue;
        }
        EnterDoubleByteRun(out, inRun);
        if (InByteRange(c, 0xA1, 0xDF)) {
            bool markUsed;
            Append(out, HalfKanaToJis(c, s[i + 1], markUsed));
            i += markUsed ? 2 : 1;
        } else {
            Append(out, SjisPairToJis(c, s[i + 1]));
            i += 2;
        }
    }
    return out;
}

std::string EucToJis(std::string_view text) {
    TJapaneseBytes s(text);
    std::string out;
    out.reserve(text.size() + 8);
    bool inRun = false;
    std::size_t i = 1;
    while (i <= s.Length()) {
        unsigned char c = s[i];
        if (c < 0x80) {
            LeaveDoubleByteRun(out, inRun);
            Append(out, c);
            i += 1;
            continue;
        }
        EnterDoubleByteRun(out, inRun);
        if (c == kEucKanaPrefix) {
            unsigned char next = s[i + 2] == kEucKanaPrefix ? s[i + 3] : 0;
            bool markUsed;
            Append(out, HalfKanaToJis(s[i + 1], next, markUsed));
            i += markUsed ? 4 : 2;
        } else {
            Append(out, {static_cast<unsigned char>(c & 0x7F),
                         static_cast<unsigned char>(s[i + 1] & 0x7F)});
            i += 2;
        }
    }
    return out;
}
