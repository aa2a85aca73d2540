#pragma once

#include "core/UserFolders.h"

// The desktop and documents folders from the XDG user directories ("user-dirs.dirs"), falling
// back to the home folder.
class TXdgUserFolders : public IUserFolders {
  public:
    std::string DesktopFolder() const override;
    std::string DocumentsFolder() const override;
};
