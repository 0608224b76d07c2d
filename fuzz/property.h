// A broken property is a crash: libFuzzer then stops, prints the input and saves it as a
// crash-* file that reproduces the failure when passed to the target again.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzing {

// The text with every byte outside printable ASCII escaped, so a report shows what was read.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

inline void require(bool holds, const char* property, std::string_view input,
                    std::string_view detail = {}) {
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n  input: \"%s\"\n", property,
                 escaped(input).c_str());
    if (!detail.empty())
        std::fprintf(stderr, "  %s\n", std::string(detail).c_str());
    std::abort();
}

// Whether a number read from text is the one the C library reads. Below the smallest normal
// double the last place may round differently or flush to zero, as long as the sign stays.
inline bool sameReading(double value, double expected) {
    if (std::fabs(expected) >= DBL_MIN || expected == 0)
        return value == expected;
    return std::fabs(value) <= DBL_MIN && std::signbit(value) == std::signbit(expected);
}

} // namespace fuzzing
