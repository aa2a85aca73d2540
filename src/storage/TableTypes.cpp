#include "storage/TableTypes.h"

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

template <typename T> int Compare(const T& a, const T& b) { return a < b ? -1 : (b < a ? 1 : 0); }

} // namespace

bool SameFieldName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

int CompareFieldValues(const TFieldValue& a, const TFieldValue& b) {
    if (a.index() != b.index()) {
        // Only null meets a value within one field; numbers of different width compare by value.
        if (IsNullValue(a) || IsNullValue(b))
            return IsNullValue(a) ? -1 : 1;
        auto number = [](const TFieldValue& v) {
            if (const auto* i = std::get_if<std::int32_t>(&v))
                return static_cast<double>(*i);
            if (const auto* d = std::get_if<double>(&v))
                return *d;
            return static_cast<double>(std::get<bool>(v));
        };
        if (!std::holds_alternative<std::string>(a) && !std::holds_alternative<std::string>(b))
            return Compare(number(a), number(b));
        return Compare(a.index(), b.index());
    }
    switch (a.index()) {
    case 1:
        return Compare(std::get<std::int32_t>(a), std::get<std::int32_t>(b));
    case 2:
        return Compare(std::get<bool>(a), std::get<bool>(b));
    case 3: {
        int c = std::get<std::string>(a).compare(std::get<std::string>(b));
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    case 4:
        return Compare(std::get<double>(a), std::get<double>(b));
    }
    return 0;
}
