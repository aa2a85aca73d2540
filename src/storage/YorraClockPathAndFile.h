#pragma once

#include "core/UserFolders.h"

#include <string>
#include <string_view>
#include <vector>

// Names every folder and file of the program, all below the program folder (the folder of the
// executable), and answers the look-ups in the map list "Map.ini". Holds nothing between calls:
// every answer is computed afresh, so the program works from wherever it was copied to.
class TYorraClockPathAndFile {
  public:
    // programFolder ends with "/"; tests hand in a temporary folder.
    TYorraClockPathAndFile(std::string programFolder, const IUserFolders& folders);

    // The folder holding the running executable, with a trailing "/".
    static std::string GetProgramFolder();

    const std::string& ProgramFolder() const { return folder_; }

    std::string GetScheduleFileName() const;
    std::string GetScheduleDefaultFileName() const;
    std::string GetMemoFileName() const;
    std::string GetMemoDefaultFileName() const;
    std::string GetAddressFileName() const;
    std::string GetAddressDefaultFileName() const;
    std::string GetSoulStreamFileName() const;
    std::string GetMoonGateFileName() const;
    std::string GetMoonGateBackupFileName() const;
    std::string GetPriceFileName() const;
    std::string GetPriceBackupFileName() const;
    std::string GetMapFolder() const;
    std::string GetMapIniFileName() const;
    std::string GetImageFileSaveIniFileName() const;

    // Earlier versions' files in the program folder, newest first; "" when none exists.
    std::string FindOldScheduleFileName() const;
    std::string FindOldMemoFileName() const;
    std::string FindPreMapChangeMemoFileName() const;
    std::string FindOldAddressFileName() const;
    // "OldDefaultDB/" + the bare name the matching search found.
    std::string GetOldScheduleDefaultFileName() const;
    std::string GetOldMemoDefaultFileName() const;
    std::string GetOldAddressDefaultFileName() const;

    std::string GetDesktopFolder() const; // desktop + "/"
    std::string GetScreenShotFolder() const; // documents + "/マビノギ/スクリーンショット/"

    // Map list look-ups. Lists are one value a line, separated by CR LF.
    std::string GetContinentNames() const;
    std::string GetAreaNames(std::string_view continentName) const;
    void GetAreaPosition(std::string_view areaName, std::string& continentName, int& x,
                         int& y) const;
    void GetAreaNeighbours(std::string_view areaName, std::vector<std::string>& top,
                           std::vector<std::string>& bottom, std::vector<std::string>& left,
                           std::vector<std::string>& right) const;
    void GetAreaGrid(std::string_view areaName, int& gridStartX, int& gridStartY, int& gridWidth,
                     int& gridHeight) const;

  private:
    std::string FindFirst(const std::vector<std::string>& names) const;
    std::string OldDefault(const std::string& found) const;

    std::string folder_;
    const IUserFolders& folders_;
};

// The values of a list the look-ups answer (one a line, CR LF between them); "" has none.
std::vector<std::string> SplitListLines(std::string_view list);
