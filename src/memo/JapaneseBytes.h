#pragma once

#include <cstddef>
#include <string_view>

// Bytes of a text numbered from 1 to its length; a byte read outside the text is 0. The
// Japanese code rules look ahead freely, and this keeps every look-ahead inside the input.
class TJapaneseBytes {
  public:
    explicit TJapaneseBytes(std::string_view text) : text_(text) {}

    unsigned char operator[](std::size_t i) const {
        return i >= 1 && i <= text_.size() ? static_cast<unsigned char>(text_[i - 1]) : 0;
    }
    std::size_t Length() const { return text_.size(); }

  private:
    std::string_view text_;
};

constexpr bool InByteRange(unsigned char c, unsigned char low, unsigned char high) {
    return c >= low && c <= high;
}
