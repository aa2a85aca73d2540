#pragma once

#include <string>
#include <string_view>

// A fresh folder below the system's temporary folder, removed with everything in it when the
// object goes. Path() ends with "/", like the program folder.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Writes bytes to a file below the folder (creating folders on the way); returns its path.
    std::string Write(std::string_view relative, std::string_view bytes) const;
    // The bytes of a file below the folder ("" when missing).
    std::string Read(std::string_view relative) const;

  private:
    std::string path_;
};
