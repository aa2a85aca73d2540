#include "memo/MemoTables.h"

std::vector<TFieldDef> MemoTableFields() {
    return {AutoIncFieldDef("ID"),
            StringFieldDef("MemoTitle", 50),
            StringFieldDef("MemoMemo", 5000),
            StringFieldDef("httpUrl", 255),
            StringFieldDef("MemoGroup", 20),
            BooleanFieldDef("FilterCheck"),
            StringFieldDef("MapAreaName", 50),
            BooleanFieldDef("MapAlwaysDisplays"),
            StringFieldDef("MapTitle", 50),
            IntegerFieldDef("MapX"),
            IntegerFieldDef("MapY"),
            IntegerFieldDef("MapPointX"),
            IntegerFieldDef("MapPointY"),
            BooleanFieldDef("SystemCheck"),
            BooleanFieldDef("URLIEOpen"),
            IntegerFieldDef("FontSize")};
}

std::vector<TFieldDef> AddressTableFields() {
    return {AutoIncFieldDef("ID"),
            StringFieldDef("Name", 50),
            StringFieldDef("Guild", 50),
            MemoFieldDef("FreeMemo", 5120),
            StringFieldDef("ServerName", 50),
            BooleanFieldDef("FilterCheck"),
            StringFieldDef("MainName", 50)};
}
