#include "memo/UrlEncode.h"

namespace {

bool StaysUnchanged(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!$'()*-._@").find(static_cast<char>(c)) != std::string_view::npos;
}

} // namespace

std::string UrlEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == 0)
            break;
        if (StaysUnchanged(c)) {
            out.push_back(ch);
        } else if (c == ' ') {
            out.push_back('+');
        } else {
            out.push_back('%');
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 0x0F]);
        }
    }
    return out;
}
