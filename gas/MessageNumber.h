#pragma once
// Numbers inside the library's Italian messages: up to 7 significant digits
// and the decimal comma, as the rest of the program shows them.

#include <cstdio>
#include <string>

namespace volvenza::gas {

inline std::string MessageNumber(double x) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.7g", x);
    std::string s = buf;
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

}  // namespace volvenza::gas
