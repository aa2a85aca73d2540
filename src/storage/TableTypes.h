#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Field types of the program's tables, as the data packet files declare them:
// AutoInc "i4" + SUBTYPE "Autoinc", Integer "i4", String "string" + WIDTH, Boolean "boolean",
// Memo "bin.hex" + SUBTYPE "Text", Float "r8" (found only in files of earlier versions).
enum class TFieldType { AutoInc, Integer, String, Boolean, Memo, Float };

// A field value: null, or a value of the field's type. AutoInc and Integer hold std::int32_t,
// Boolean bool, String and Memo UTF-8 text, Float double.
using TFieldValue = std::variant<std::monostate, std::int32_t, bool, std::string, double>;

inline bool IsNullValue(const TFieldValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

// One row: a value per field, in field order.
using TRowValues = std::vector<TFieldValue>;

struct TFieldDef {
    std::string Name;
    TFieldType DataType = TFieldType::Integer;
    // String: the most bytes a value takes in cp932. Memo: the size hint written to files
    // (0 writes none). Unused by the other types.
    int Size = 0;
    bool ReadOnly = false;
    bool Required = false;
    bool Hidden = false;
    bool LinkField = false;
};

// The definitions the program's tables use; the "ID" AutoInc field is read-only.
inline TFieldDef AutoIncFieldDef(std::string name) {
    return {std::move(name), TFieldType::AutoInc, 0, true};
}
inline TFieldDef IntegerFieldDef(std::string name) { return {std::move(name), TFieldType::Integer}; }
inline TFieldDef StringFieldDef(std::string name, int width) {
    return {std::move(name), TFieldType::String, width};
}
inline TFieldDef BooleanFieldDef(std::string name) { return {std::move(name), TFieldType::Boolean}; }
inline TFieldDef MemoFieldDef(std::string name, int sizeHint) {
    return {std::move(name), TFieldType::Memo, sizeHint};
}

// Field names compare without regard to the case of ASCII letters, like the table engine the
// files come from.
bool SameFieldName(std::string_view a, std::string_view b);

// Order of values in an index: null before every value, false before true, numbers by value,
// texts by their bytes (UTF-8, so by Unicode code point). Negative, zero or positive.
int CompareFieldValues(const TFieldValue& a, const TFieldValue& b);
