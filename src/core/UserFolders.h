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
