#pragma once

#include <string>
#include <string_view>

// Every text file of the program is in the Japanese Windows code page 932 (Shift-JIS with
// Microsoft's extensions); inside the program text is UTF-8.

// Decodes cp932 bytes to UTF-8. A byte sequence that is not cp932 becomes "?".
std::string Cp932ToUtf8(std::string_view cp932);

// Encodes UTF-8 text to cp932. A character cp932 cannot hold (or broken UTF-8) becomes "?".
std::string Utf8ToCp932(std::string_view utf8);

// True for the first byte of a two-byte cp932 character.
constexpr bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the cp932 character starting at text[i] (1 or 2; 1 at a lone lead byte
// at the end of the text).
inline std::size_t Cp932CharLength(std::string_view text, std::size_t i) {
    return IsCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Number of bytes the text takes in cp932.
std::size_t Cp932ByteLength(std::string_view utf8);
