#pragma once
// Numbers inside the library's Italian messages: up to 7 significant digits
// and the decimal comma, as the rest of the program shows them.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace volvenza::gas {

inline std::string MessageNumber(double x, int digits = 7) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*g", digits, x);
    std::string s = buf;
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

// A value refused against `limit`, with the digits it takes to read on its
// own side of the limit: 63,15099999999998 K, not 63,151 K, for a
// temperature just below the triple point.
inline std::string MessageNumberBeyond(double x, double limit) {
    int digits = 7;
    for (; digits < 17; ++digits) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.*g", digits, x);
        const double shown = std::strtod(buf, nullptr);
        if ((shown < limit) == (x < limit) && (shown > limit) == (x > limit)) break;
    }
    return MessageNumber(x, digits);
}

}  // namespace volvenza::gas
