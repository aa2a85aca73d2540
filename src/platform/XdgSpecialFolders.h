#pragma once

#include "core/SpecialFolders.h"

// The desktop and documents folders from the XDG user directories ("user-dirs.dirs"), falling
// back to the home folder.
class TXdgSpecialFolders : public ISpecialFolders {
  public:
    std::string DesktopFolder() const override;
    std::string DocumentsFolder() const override;
};
