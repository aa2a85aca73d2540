#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A key combination in 16 bits: the key code (the Windows virtual-key numbering) in the low
// byte, plus the modifier bits below. 0 means no shortcut.
using TShortCut = std::uint16_t;

inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// "Shift+", "Ctrl+", "Alt+" (in this order, each when set) and the key's name; "" for 0.
std::string ShortCutToText(TShortCut shortCut);

// Reads prefixes in any order and repetition ("^" stands for "Ctrl+"), then compares the rest
// with the names of key codes 8 … 255 without regard to case and takes the first that matches.
// Text that matches nothing gives 0.
TShortCut TextToShortCut(std::string_view text);
