#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a comma text into fields: blanks and control characters around fields are skipped, a
// field in double quotes may hold commas and blanks ("" stands for one quote), an unquoted
// field ends at a comma or a blank, two commas in a row give an empty field and a comma at the
// very end adds one empty field. Works on UTF-8, whose multi-byte characters never hold a comma
// or a blank byte.
std::vector<std::string> SplitCommaText(std::string_view text);
