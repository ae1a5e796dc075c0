#pragma once
// What a number box lets be typed besides the digits: either decimal
// separator, the signs, the exponent's E and blanks; so a number on its way
// ("-", "1,", "1e") and one still wrong ("1,2,3") stay, a letter does not.
// The windows' boxes and the page's number boxes take the same.

#include <string_view>

namespace volvenza {

inline constexpr std::string_view kNumberSigns = ",.+-eE ";

}  // namespace volvenza
