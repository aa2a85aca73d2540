#include "core/ShortCut.h"

#include <array>

namespace {

// Names of the keys that have no name of their own in the shortcut texts, as the keyboard
// names them.
std::string_view OtherKeyName(int key) {
    switch (key) {
    case 0x10:
        return "Shift";
    case 0x11:
        return "Ctrl";
    case 0x12:
        return "Alt";
    case 0x13:
        return "Pause";
    case 0x14:
        return "Caps Lock";
    case 0x2C:
        return "Sys Req";
    case 0x5B:
        return "Left Windows";
    case 0x5C:
        return "Right Windows";
    case 0x5D:
        return "Application";
    case 0x6A:
        return "Num *";
    case 0x6B:
        return "Num +";
    case 0x6D:
        return "Num -";
    case 0x6E:
        return "Num Del";
    case 0x6F:
        return "Num /";
    case 0x90:
        return "Num Lock";
    case 0x91:
        return "Scroll Lock";
    case 0xBA:
        return ";";
    case 0xBB:
        return "=";
    case 0xBC:
        return ",";
    case 0xBD:
        return "-";
    case 0xBE:
        return ".";
    case 0xBF:
        return "/";
    case 0xC0:
        return "`";
    case 0xDB:
        return "[";
    case 0xDC:
        return "\\";
    case 0xDD:
        return "]";
    case 0xDE:
        return "'";
    default:
        return {};
    }
}

std::string KeyName(int key) {
    constexpr std::array<std::string_view, 9> SpaceToDown = {
        "Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};
    if (key == 0x08)
        return "BkSp";
    if (key == 0x09)
        return "Tab";
    if (key == 0x0D)
        return "Enter";
    if (key == 0x1B)
        return "Esc";
    if (key >= 0x20 && key <= 0x28)
        return std::string(SpaceToDown[key - 0x20]);
    if (key == 0x2D)
        return "Ins";
    if (key == 0x2E)
        return "Del";
    if (key >= 0x30 && key <= 0x39)
        return std::string(1, static_cast<char>(key));
    if (key >= 0x41 && key <= 0x5A)
        return std::string(1, static_cast<char>(key));
    if (key >= 0x60 && key <= 0x69) // numeric keypad digits
        return std::string(1, static_cast<char>('0' + key - 0x60));
    if (key >= 0x70 && key <= 0x87)
        return "F" + std::to_string(key - 0x6F);
    return std::string(OtherKeyName(key));
}

bool SameAsciiIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y)
            return false;
    }
    return true;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || !SameAsciiIgnoreCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace

std::string ShortCutToText(TShortCut shortCut) {
    if (shortCut == 0)
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + KeyName(shortCut & 0xFF);
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut shift = 0;
    for (;;) {
        if (TakePrefix(text, "Shift+"))
            shift |= scShift;
        else if (TakePrefix(text, "^") || TakePrefix(text, "Ctrl+"))
            shift |= scCtrl;
        else if (TakePrefix(text, "Alt+"))
            shift |= scAlt;
        else
            break;
    }
    if (text.empty())
        return 0;
    for (int key = 8; key <= 255; ++key) {
        std::string name = KeyName(key);
        if (!name.empty() && SameAsciiIgnoreCase(text, name))
            return static_cast<TShortCut>(key | shift);
    }
    return 0;
}
