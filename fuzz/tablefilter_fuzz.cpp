// Feeds arbitrary predicate texts to the filter parser; a text it accepts is evaluated on rows
// of nulls and of values.
#include "storage/TableFilter.h"

#include <cstdint>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<TFieldDef> fields = {
        AutoIncFieldDef("ID"),           StringFieldDef("Area", 20), IntegerFieldDef("AllMinMin1"),
        BooleanFieldDef("CheckVisible"), MemoFieldDef("Memo", 10),   {"Real", TFieldType::Float}};
    static const TRowValues nulls(fields.size());
    static const TRowValues values = {1, std::string("x"), -5, true, std::string(""), 1.5};
    try {
        TTableFilter filter(std::string(reinterpret_cast<const char*>(data), size), fields);
        filter.Matches(nulls);
        filter.Matches(values);
    } catch (const std::runtime_error&) {
    }
    return 0;
}
