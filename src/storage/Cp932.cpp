#include "storage/Cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One converter per direction and thread; iconv descriptors keep state between calls.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the text; each unconvertible character is skipped (skipLength tells how many
    // input bytes it takes) and "?" is written instead.
    template <typename SkipLength> std::string Convert(std::string_view in, SkipLength skipLength) {
        std::string out;
        out.reserve(in.size() * 3 / 2 + 4);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst - buffer);
            if (rc != static_cast<std::size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (truncated sequence at the end): replace one character.
            std::size_t skip = std::min(skipLength(std::string_view(src, srcLeft)), srcLeft);
            src += skip;
            srcLeft -= skip;
            out.push_back('?');
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

  private:
    iconv_t cd_;
};

std::size_t Utf8SequenceLength(std::string_view s) {
    unsigned char c = static_cast<unsigned char>(s[0]);
    std::size_t n = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 1;
    // A broken sequence is skipped one byte at a time.
    for (std::size_t i = 1; i < n; ++i)
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 1;
    return n;
}

} // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.Convert(cp932, [](std::string_view s) { return Cp932CharLength(s, 0); });
}

std::string Utf8ToCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.Convert(utf8, Utf8SequenceLength);
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    return Utf8ToCp932(utf8).size();
}
