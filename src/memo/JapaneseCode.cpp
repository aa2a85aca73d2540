#include "memo/JapaneseCode.h"

#include "memo/JapaneseBytes.h"
#include "memo/JapaneseConverters.h"

namespace {

constexpr std::size_t kNonTextScanLimit = 512;

bool IsNonTextByte(unsigned char c) {
    return c < 8 || c == 255;
}

// After a half-width katakana followed by an EUC-looking lead byte, read on until a byte
// settles the question or the double-byte stretch ends.
int LookAhead(const TJapaneseBytes& s, std::size_t& i, unsigned char d) {
    int code = jcEucOrSjis;
    while (d >= 0x40 && i <= s.Length() && code == jcEucOrSjis) {
        if (InByteRange(d, 0x81, 0x8D) || InByteRange(d, 0x8F, 0x9C))
            code = jcShiftJis;
        else if (d == 0xFD || d == 0xFE)
            code = jcEucJp;
        i += 1;
        d = s[i];
    }
    return code;
}

// Applies the first rule that fits the byte at i; i is left on the last byte the rule read.
int ClassifyAt(const TJapaneseBytes& s, std::size_t& i, int code) {
    unsigned char c = s[i];
    if (c == 27) {
        i += 1;
        if (s[i] == '$') {
            i += 1;
            if (s[i] == 'B')
                return jcJisNew;
            if (s[i] == '@')
                return jcJisOld;
        }
        return code;
    }
    if (IsNonTextByte(c))
        return jcNotText;
    if (c <= 127)
        return code;
    if (InByteRange(c, 0x81, 0x8D) || InByteRange(c, 0x8F, 0x9F))
        return jcShiftJis;
    if (c == 0x8E) {
        i += 1;
        unsigned char d = s[i];
        if (InByteRange(d, 0x40, 0x7E) || InByteRange(d, 0x80, 0xA0) || InByteRange(d, 0xE0, 0xFC))
            return jcShiftJis;
        if (InByteRange(d, 0xA1, 0xDF))
            return jcEucOrSjis;
        return code;
    }
    if (InByteRange(c, 0xA1, 0xDF)) {
        i += 1;
        unsigned char d = s[i];
        if (InByteRange(d, 0xF0, 0xFE))
            return jcEucJp;
        if (InByteRange(d, 0xA1, 0xDF))
            return jcEucOrSjis;
        if (InByteRange(d, 0xE0, 0xEF))
            return LookAhead(s, i, d);
        if (d <= 0x9F)
            return jcShiftJis;
        return code;
    }
    if (InByteRange(c, 0xF0, 0xFE))
        return jcEucJp;
    if (InByteRange(c, 0xE0, 0xEF)) {
        i += 1;
        unsigned char d = s[i];
        if (InByteRange(d, 0x40, 0x7E) || InByteRange(d, 0x80, 0xA0))
            return jcShiftJis;
        if (d == 0xFD || d == 0xFE)
            return jcEucJp;
        if (InByteRange(d, 0xA1, 0xFC))
            return jcEucOrSjis;
        return code;
    }
    return code; // 0x80 and 0xA0 tell nothing
}

} // namespace

int DetectJapaneseCode(std::string_view text) {
    TJapaneseBytes s(text);
    std::size_t length = s.Length();
    // The last byte is left out: on its own it never decides anything.
    for (std::size_t i = 1; i <= kNonTextScanLimit && i < length; ++i)
        if (IsNonTextByte(s[i]))
            return jcNotText;
    int code = jcUnknown;
    for (std::size_t i = 1; (code == jcUnknown || code == jcEucOrSjis) && i < length; ++i)
        code = ClassifyAt(s, i, code);
    return code;
}

std::string ConvertJapaneseCode(std::string_view text, int target) {
    int code = DetectJapaneseCode(text);
    if (code <= jcNotText || code == target || code == jcEucOrSjis)
        return std::string(text);
    bool jis = code == jcJisNew || code == jcJisOld;
    switch (target) {
    case jcJisNew:
        if (code == jcEucJp)
            return EucToJis(text);
        if (code == jcShiftJis)
            return SjisToJis(text);
        break;
    case jcEucJp:
        if (jis)
            return JisToEuc(text);
        if (code == jcShiftJis)
            return SjisToEuc(text);
        break;
    case jcShiftJis:
        if (jis)
            return JisToSjis(text);
        if (code == jcEucJp)
            return EucToSjis(text);
        break;
    }
    return std::string(text);
}
