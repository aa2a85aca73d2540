#pragma once

#include "storage/ClientDataSet.h"
#include "storage/YorraClockPathAndFile.h"

#include <string>
#include <vector>

// Creates the current memo, schedule and friends table files at the first start of a new
// version: from the shipped default in "DefaultDB/", with the rows the user added to or
// changed in the newest file of an earlier version carried over. Rows of the earlier file that
// are still as that version shipped them ("OldDefaultDB/" + its name) are dropped, since the
// new defaults replace them.
//
// Each operation does nothing when the current file exists. It also does nothing, writing no
// file, when the shipped default is missing, or when an earlier file exists but its shipped
// default does not: the user's rows then wait for a start with complete files instead of being
// left behind. Earlier files are only read. A file that cannot be read throws
// std::runtime_error (naming it) and no current file is written.
class TDataBaseConversion {
  public:
    explicit TDataBaseConversion(const TYorraClockPathAndFile& paths);

    void ConvertMemoTable();
    void ConvertScheduleTable();
    void ConvertAddressTable();

  private:
    // Steps common to the three tables. True when Old, New and OldDefault are loaded and the
    // unchanged default rows dropped, so the caller carries the rest over and calls Save.
    bool Prepare(const std::string& currentFile, const std::string& defaultFile,
                 const std::string& oldFile, const std::string& oldDefaultFile,
                 const std::vector<std::string>& skipFields);
    void DropUnchangedDefaultRows(const std::vector<std::string>& skipFields);
    bool RowsMatch(const std::vector<std::string>& skipFields);
    void Save(const std::string& currentFile);

    const TYorraClockPathAndFile& paths_;
    TClientDataSet Old;        // the earlier version's file
    TClientDataSet New;        // becomes the current file
    TClientDataSet OldDefault; // what the earlier version shipped
};
