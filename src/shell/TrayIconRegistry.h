#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ENotifyIconError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Identifiers of the notification-area icons alive in the process, in creation order.
class TTrayIconRegistry {
  public:
    static constexpr std::size_t MaxIcons = 100;

    // The registry of the process.
    static TTrayIconRegistry& Instance();

    // The last identifier in the list plus 1 (1 for an empty list), appended. Throws
    // ENotifyIconError when MaxIcons icons exist.
    int Allocate();
    void Release(int id);
    std::size_t Count() const { return ids_.size(); }

  private:
    std::vector<int> ids_;
};

// The tooltip text as the notification area takes it: at most 63 bytes in cp932. The cut
// falls between characters, so a double-byte character is never split.
std::string CutTipHelp(std::string_view utf8);
