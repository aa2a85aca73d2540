#pragma once

#include <string>

// Where the user's own folders are; asked afresh each time. An empty text when the platform
// cannot tell.
class IUserFolders {
  public:
    virtual ~IUserFolders() = default;
    virtual std::string DesktopFolder() const = 0;   // without a trailing separator
    virtual std::string DocumentsFolder() const = 0; // without a trailing separator
};

// For users of the path resolver that never need the user's folders (the command-line
// companion, the build-time generators, tests).
class TNoUserFolders : public IUserFolders {
  public:
    std::string DesktopFolder() const override { return {}; }
    std::string DocumentsFolder() const override { return {}; }
};
