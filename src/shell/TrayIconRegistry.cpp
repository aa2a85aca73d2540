#include "shell/TrayIconRegistry.h"

#include "storage/Cp932.h"

#include <algorithm>

namespace {

constexpr std::size_t MaxTipBytes = 63;

// Length of the UTF-8 sequence starting with byte c (1 for a broken byte).
std::size_t Utf8CharLength(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4)
        return 4;
    if (c >= 0xE0)
        return 3;
    if (c >= 0xC2 && c <= 0xDF)
        return 2;
    return 1;
}

} // namespace

TTrayIconRegistry& TTrayIconRegistry::Instance() {
    static TTrayIconRegistry registry;
    return registry;
}

int TTrayIconRegistry::Allocate() {
    if (ids_.size() >= MaxIcons)
        throw ENotifyIconError("タスクトレイにアイコンを登録できません。");
    const int id = ids_.empty() ? 1 : ids_.back() + 1;
    ids_.push_back(id);
    return id;
}

void TTrayIconRegistry::Release(int id) {
    const auto it = std::find(ids_.begin(), ids_.end(), id);
    if (it != ids_.end())
        ids_.erase(it);
}

std::string CutTipHelp(std::string_view utf8) {
    std::size_t bytes = 0;
    std::size_t end = 0;
    while (end < utf8.size()) {
        const std::size_t length =
            std::min(Utf8CharLength(static_cast<unsigned char>(utf8[end])), utf8.size() - end);
        bytes += Cp932ByteLength(utf8.substr(end, length));
        if (bytes > MaxTipBytes)
            break;
        end += length;
    }
    return std::string(utf8.substr(0, end));
}
