#pragma once

#include <string>

// The tables that come with the program, written through the program's own table engine so
// that their bytes follow the data packet format. Each function writes the current version's
// default into folder + "DefaultDB/" and the default of the version before it into
// folder + "OldDefaultDB/", the files the conversion of older tables compares a user's rows
// with.
void WriteScheduleTables(const std::string& folder);
void WriteMemoTables(const std::string& folder);
void WriteAddressTables(const std::string& folder);
