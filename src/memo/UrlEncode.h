#pragma once

#include <string>
#include <string_view>

// Percent-encodes bytes for a query string: letters, digits and ! $ ' ( ) * - . _ @ stay, a space
// becomes "+", every other byte becomes "%" and two upper-case hexadecimal digits. A zero byte
// ends the input.
std::string UrlEncode(std::string_view text);
