// Feeds arbitrary bytes to the table file reader. Whatever it accepts must survive the table's
// operations and be written and read back unchanged.
#include "storage/ClientDataSet.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TClientDataSet table;
    try {
        table.LoadFromBytes(bytes, "fuzz.xml");
    } catch (const std::runtime_error&) {
        if (table.Active() || table.RecordCount() != 0)
            std::abort(); // a refused file must leave the table empty
        return 0;
    }
    // Order by every field, walk, and filter on the first one.
    std::string index;
    for (int i = 0; i < table.FieldCount(); ++i)
        index += table.Fields(i).FieldName() + ";";
    try {
        table.SetIndexFieldNames(index);
        table.SetFilter(table.Fields(0).FieldName() + " IS NOT NULL OR " +
                        table.Fields(0).FieldName() + " IS NULL");
        table.SetFiltered(true);
    } catch (const std::runtime_error&) {
        // Field names that a predicate cannot spell are fine to refuse.
    }
    int walked = 0;
    for (table.First(); !table.Eof(); table.Next())
        ++walked;
    if (walked != table.RecordCount())
        std::abort();

    const std::string first = table.SaveToBytes();
    TClientDataSet again;
    again.LoadFromBytes(first, "first.xml");
    if (again.SaveToBytes() != first)
        std::abort();

    // Edits keep the table consistent too.
    table.SetFiltered(false);
    table.Append();
    table.Post();
    table.First();
    table.Delete();
    const std::string edited = table.SaveToBytes();
    again.LoadFromBytes(edited, "edited.xml");
    again.MergeChangeLog();
    table.MergeChangeLog();
    if (again.SaveToBytes() != table.SaveToBytes())
        std::abort();
    return 0;
}
