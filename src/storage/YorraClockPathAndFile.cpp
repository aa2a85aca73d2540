#include "storage/YorraClockPathAndFile.h"

#include "core/TextCase.h"
#include "storage/AtomicFile.h"
#include "storage/CommaText.h"
#include "storage/IniFile.h"

#include <algorithm>
#include <filesystem>

namespace {

const std::string DefaultDB = "DefaultDB/";
const std::string OldDefaultDB = "OldDefaultDB/";
const std::string PeriodicData = "PeriodicData/";

std::vector<std::string> Numbered(const std::string& stem, int from, int to, bool withBare) {
    std::vector<std::string> names;
    for (int n = from; n >= to; --n)
        names.push_back(stem + std::to_string(n) + ".xml");
    if (withBare)
        names.push_back(stem + ".xml");
    return names;
}

// The map sections as the look-ups walk them: "Map1", "Map2", … up to the first section
// without an area name, and never beyond "Map100".
template <typename Visit> void WalkMapSections(const TIniFile& ini, Visit visit) {
    for (int n = 1; n <= 100; ++n) {
        std::string section = "Map" + std::to_string(n);
        std::string area = ini.ReadString(section, "AreaName");
        if (area.empty())
            return;
        if (!visit(section, area))
            return;
    }
}

std::string JoinSortedUnique(std::vector<std::string> values) {
    std::stable_sort(values.begin(), values.end(), [](const std::string& a, const std::string& b) {
        return CompareTextIgnoreCase(a, b) < 0;
    });
    values.erase(std::unique(values.begin(), values.end(), SameTextIgnoreCase), values.end());
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += values[i];
    }
    return text;
}

} // namespace

TYorraClockPathAndFile::TYorraClockPathAndFile(std::string programFolder,
                                               const IUserFolders& folders)
    : folder_(std::move(programFolder)), folders_(folders) {
    if (!folder_.empty() && folder_.back() != '/')
        folder_ += '/';
}

std::string TYorraClockPathAndFile::GetProgramFolder() {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        exe = std::filesystem::current_path() / "YorraPDA";
    return exe.parent_path().string() + "/";
}

std::string TYorraClockPathAndFile::GetScheduleFileName() const {
    return folder_ + "YorraPDA13.xml";
}
std::string TYorraClockPathAndFile::GetScheduleDefaultFileName() const {
    return folder_ + DefaultDB + "YorraPDA13.xml";
}
std::string TYorraClockPathAndFile::GetMemoFileName() const {
    return folder_ + "YorraPDAMemo17.xml";
}
std::string TYorraClockPathAndFile::GetMemoDefaultFileName() const {
    return folder_ + DefaultDB + "YorraPDAMemo17.xml";
}
std::string TYorraClockPathAndFile::GetAddressFileName() const {
    return folder_ + "YorraPDAAddres4.xml";
}
std::string TYorraClockPathAndFile::GetAddressDefaultFileName() const {
    return folder_ + DefaultDB + "YorraPDAAddres4.xml";
}
std::string TYorraClockPathAndFile::GetSoulStreamFileName() const {
    return folder_ + "YorraPDASoulStream.xml";
}
std::string TYorraClockPathAndFile::GetMoonGateFileName() const {
    return folder_ + PeriodicData + "YorraPDAGate5.ini";
}
std::string TYorraClockPathAndFile::GetMoonGateBackupFileName() const {
    return folder_ + PeriodicData + "YorraPDAGateBackUp5.ini";
}
std::string TYorraClockPathAndFile::GetPriceFileName() const {
    return folder_ + PeriodicData + "YorraPDAPrice.ini";
}
std::string TYorraClockPathAndFile::GetPriceBackupFileName() const {
    return folder_ + PeriodicData + "YorraPDAPriceBackUp.ini";
}
std::string TYorraClockPathAndFile::GetMapFolder() const {
    return folder_ + "Map/";
}
std::string TYorraClockPathAndFile::GetMapIniFileName() const {
    return GetMapFolder() + "Map.ini";
}
std::string TYorraClockPathAndFile::GetImageFileSaveIniFileName() const {
    return folder_ + "ImageFileSave.ini";
}

std::string TYorraClockPathAndFile::FindFirst(const std::vector<std::string>& names) const {
    for (const std::string& name : names)
        if (FileExists(folder_ + name))
            return folder_ + name;
    return {};
}

std::string TYorraClockPathAndFile::OldDefault(const std::string& found) const {
    return folder_ + OldDefaultDB + std::filesystem::path(found).filename().string();
}

std::string TYorraClockPathAndFile::FindOldScheduleFileName() const {
    return FindFirst(Numbered("YorraPDA", 12, 2, true));
}
std::string TYorraClockPathAndFile::FindOldMemoFileName() const {
    return FindFirst(Numbered("YorraPDAMemo", 16, 2, true));
}
std::string TYorraClockPathAndFile::FindPreMapChangeMemoFileName() const {
    return FindFirst(Numbered("YorraPDAMemo", 11, 2, false));
}
std::string TYorraClockPathAndFile::FindOldAddressFileName() const {
    return FindFirst(Numbered("YorraPDAAddres", 3, 2, true));
}
std::string TYorraClockPathAndFile::GetOldScheduleDefaultFileName() const {
    return OldDefault(FindOldScheduleFileName());
}
std::string TYorraClockPathAndFile::GetOldMemoDefaultFileName() const {
    return OldDefault(FindOldMemoFileName());
}
std::string TYorraClockPathAndFile::GetOldAddressDefaultFileName() const {
    return OldDefault(FindOldAddressFileName());
}

std::string TYorraClockPathAndFile::GetDesktopFolder() const {
    return folders_.DesktopFolder() + "/";
}
std::string TYorraClockPathAndFile::GetScreenShotFolder() const {
    return folders_.DocumentsFolder() + "/マビノギ/スクリーンショット/";
}

std::string TYorraClockPathAndFile::GetContinentNames() const {
    TIniFile ini(GetMapIniFileName());
    std::vector<std::string> names;
    WalkMapSections(ini, [&](const std::string& section, const std::string&) {
        names.push_back(ini.ReadString(section, "ContinentName"));
        return true;
    });
    return JoinSortedUnique(std::move(names));
}

std::string TYorraClockPathAndFile::GetAreaNames(std::string_view continentName) const {
    TIniFile ini(GetMapIniFileName());
    std::vector<std::string> names;
    WalkMapSections(ini, [&](const std::string& section, const std::string& area) {
        if (SameTextIgnoreCase(ini.ReadString(section, "ContinentName"), continentName))
            names.push_back(area);
        return true;
    });
    return JoinSortedUnique(std::move(names));
}

void TYorraClockPathAndFile::GetAreaPosition(std::string_view areaName, std::string& continentName,
                                             int& x, int& y) const {
    TIniFile ini(GetMapIniFileName());
    continentName.clear();
    x = 0;
    y = 0;
    WalkMapSections(ini, [&](const std::string& section, const std::string& area) {
        if (!SameTextIgnoreCase(area, areaName))
            return true;
        continentName = ini.ReadString(section, "ContinentName");
        x = ini.ReadInteger(section, "X");
        y = ini.ReadInteger(section, "Y");
        return false;
    });
}

void TYorraClockPathAndFile::GetAreaNeighbours(std::string_view areaName,
                                               std::vector<std::string>& top,
                                               std::vector<std::string>& bottom,
                                               std::vector<std::string>& left,
                                               std::vector<std::string>& right) const {
    TIniFile ini(GetMapIniFileName());
    WalkMapSections(ini, [&](const std::string& section, const std::string& area) {
        if (!SameTextIgnoreCase(area, areaName))
            return true;
        top = SplitCommaText(ini.ReadString(section, "TopArea"));
        bottom = SplitCommaText(ini.ReadString(section, "BottomArea"));
        left = SplitCommaText(ini.ReadString(section, "LeftArea"));
        right = SplitCommaText(ini.ReadString(section, "RightArea"));
        return false;
    });
}

void TYorraClockPathAndFile::GetAreaGrid(std::string_view areaName, int& gridStartX,
                                         int& gridStartY, int& gridWidth, int& gridHeight) const {
    TIniFile ini(GetMapIniFileName());
    gridStartX = gridStartY = gridWidth = gridHeight = 0;
    WalkMapSections(ini, [&](const std::string& section, const std::string& area) {
        if (!SameTextIgnoreCase(area, areaName))
            return true;
        gridStartX = ini.ReadInteger(section, "GridStartX");
        gridStartY = ini.ReadInteger(section, "GridStartY");
        gridWidth = ini.ReadInteger(section, "GridWidth");
        gridHeight = ini.ReadInteger(section, "GridHeight");
        return false;
    });
}

std::vector<std::string> SplitListLines(std::string_view list) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < list.size()) {
        const std::size_t end = std::min(list.find("\r\n", start), list.size());
        lines.emplace_back(list.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
