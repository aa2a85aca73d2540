#pragma once

#include "storage/TableTypes.h"

#include <vector>

// The fields of the memo table "YorraPDAMemo17.xml", in file order.
std::vector<TFieldDef> MemoTableFields();

// The fields of the friends table "YorraPDAAddres4.xml" and its snapshot, in file order.
std::vector<TFieldDef> AddressTableFields();
