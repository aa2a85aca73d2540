#include "platform/XdgUserFolders.h"

#include <cstdlib>
#include <fstream>
#include <string_view>

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

// Reads a line such as XDG_DESKTOP_DIR="$HOME/Desktop" from the user's user-dirs.dirs.
std::string UserDir(std::string_view name) {
    const std::string home = HomeFolder();
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::string config = configHome && *configHome ? configHome : home + "/.config";
    std::ifstream in(config + "/user-dirs.dirs");
    std::string line;
    const std::string prefix = std::string(name) + "=";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0)
            continue;
        std::string value = line.substr(prefix.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        if (!value.empty() && value.front() == '/') {
            while (value.size() > 1 && value.back() == '/')
                value.pop_back();
            return value;
        }
    }
    return home;
}

} // namespace

std::string TXdgUserFolders::DesktopFolder() const {
    return UserDir("XDG_DESKTOP_DIR");
}

std::string TXdgUserFolders::DocumentsFolder() const {
    return UserDir("XDG_DOCUMENTS_DIR");
}
