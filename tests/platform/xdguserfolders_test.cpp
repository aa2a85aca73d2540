#include "platform/XdgUserFolders.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(XdgUserFolders, ReadsUserDirsAndFallsBackToHome) {
    TempFolder dir;
    const std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    setenv("HOME", "/home/yorra", 1);
    setenv("XDG_CONFIG_HOME", dir.Path().c_str(), 1);
    dir.Write("user-dirs.dirs", "# comment\nXDG_DESKTOP_DIR=\"$HOME/デスクトップ/\"\n"
                                "XDG_DOCUMENTS_DIR=\"/data/docs\"\n");
    TXdgUserFolders folders;
    EXPECT_EQ(folders.DesktopFolder(), "/home/yorra/デスクトップ");
    EXPECT_EQ(folders.DocumentsFolder(), "/data/docs");
    dir.Write("user-dirs.dirs", "XDG_DESKTOP_DIR=\"relative\"\n");
    EXPECT_EQ(folders.DesktopFolder(), "/home/yorra");   // not a usable folder
    EXPECT_EQ(folders.DocumentsFolder(), "/home/yorra"); // not listed
    setenv("HOME", oldHome.c_str(), 1);
    if (oldConfig)
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
