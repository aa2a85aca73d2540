#pragma once

#include "storage/TableTypes.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The XML data packet files the tables are stored in: one line of cp932 text,
//   <?xml version="1.0" standalone="yes"?>  <DATAPACKET Version="2.0"><METADATA><FIELDS>
//   <FIELD .../>...</FIELDS><PARAMS AUTOINCVALUE="n"/></METADATA><ROWDATA><ROW .../>...
//   </ROWDATA></DATAPACKET>
// (without the line breaks shown here). Values are UTF-8 inside the program.

// Row states of a pending change log, as bits of the RowState attribute.
enum TRowState : int {
    RowStateOriginal = 1, // former version of a modified row
    RowStateDeleted = 2,
    RowStateInserted = 4,
    RowStateModified = 8,
};

struct TDataPacketRow {
    int RowState = 0; // 0: a row without a pending change
    TRowValues Values;
};

struct TDataPacket {
    std::vector<TFieldDef> Fields;
    std::optional<std::int32_t> AutoIncValue;
    std::vector<TDataPacketRow> Rows;
    // Groups of three: record number (from 1, in ROWDATA order), number of the record it
    // supersedes or 0, row state of the change.
    std::vector<int> ChangeLog;
};

// A file that is not a well-formed data packet; what() tells the reason.
class TDataPacketError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a data packet. Accepts what TDataPacketWriter produces and also blanks and line breaks
// between elements and attributes, single-quoted values and any decimal or hexadecimal
// character reference (a Unicode code point). Throws TDataPacketError.
TDataPacket ParseDataPacket(std::string_view bytes);

// The rows as they stand after every change of the packet's change log, in stored order: a
// modified row takes the place of the row it supersedes, deleted rows and former versions go.
// A packet without a log gives its rows unchanged. Throws TDataPacketError on a log that
// names records the packet does not hold.
std::vector<TRowValues> FoldChangeLog(TDataPacket& packet);

// Writes a data packet piece by piece, so that a table need not be copied to be saved.
class TDataPacketWriter {
public:
    // Declaration, metadata and the opening of ROWDATA. changeLog as in TDataPacket.
    TDataPacketWriter(const std::vector<TFieldDef>& fields,
                      std::optional<std::int32_t> autoIncValue,
                      const std::vector<int>& changeLog = {});
    // One ROW with the non-null values in field order; rowState 0 writes no RowState.
    void WriteRow(const TRowValues& values, int rowState = 0);
    // Closes ROWDATA and DATAPACKET and hands over the bytes.
    std::string Finish();

private:
    void WriteAttribute(std::string_view name, std::string_view cp932Value);
    const std::vector<TFieldDef>& fields_;
    std::vector<std::string> names_; // field names in cp932
    std::string out_;
};

// Appends the text with the characters that need it replaced by their entities, scanning cp932
// characters so that the second byte of a double-byte character is copied as it is.
void AppendEscapedCp932(std::string& out, std::string_view cp932);
