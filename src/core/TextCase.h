#pragma once

#include <string_view>

// Comparison of names without regard to letter case, as the platform's locale-aware comparison
// does it for the program's texts: ASCII and full-width Latin letters fold to one case;
// everything else compares by code point. UTF-8 in, <0, 0 or >0 out.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

inline bool SameTextIgnoreCase(std::string_view a, std::string_view b) {
    return CompareTextIgnoreCase(a, b) == 0;
}
