// IsLocaleNumber against a recogniser of the number format written apart from the library:
// grouping points are dropped anywhere, blanks may surround the number, then an optional sign,
// digits with at most one decimal comma (at least one digit), an optional complete exponent,
// and a value within the range of a double.
#include "calc/numbers.h"
#include "property.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number with a decimal point, or empty when the text is not in the format.
std::string plainNumber(const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (c != '.')
            kept += c;
    }
    std::size_t first = 0, last = kept.size();
    while (first < last && isBlank(kept[first]))
        ++first;
    while (last > first && isBlank(kept[last - 1]))
        --last;

    std::string plain;
    std::size_t i = first;
    if (i < last && (kept[i] == '+' || kept[i] == '-'))
        plain += kept[i++];
    int digits = 0, commas = 0;
    for (; i < last && (isDigit(kept[i]) || kept[i] == ','); ++i) {
        digits += isDigit(kept[i]);
        commas += kept[i] == ',';
        plain += kept[i] == ',' ? '.' : kept[i];
    }
    if (digits == 0 || commas > 1)
        return {};
    if (i < last && (kept[i] == 'e' || kept[i] == 'E')) {
        plain += kept[i++];
        if (i < last && (kept[i] == '+' || kept[i] == '-'))
            plain += kept[i++];
        int exponentDigits = 0;
        for (; i < last && isDigit(kept[i]); ++i, ++exponentDigits)
            plain += kept[i];
        if (exponentDigits == 0)
            return {};
    }
    return i == last ? plain : std::string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string plain = plainNumber(text);
    const bool expected = !plain.empty() && std::isfinite(std::strtod(plain.c_str(), nullptr));
    fuzzing::require(ventrimo::IsLocaleNumber(text) == expected,
                     "IsLocaleNumber accepts exactly the numbers of the format", text,
                     expected ? "expected a number" : "expected no number");
    fuzzing::require(ventrimo::IsLocaleNumber(text) == ventrimo::LocaleNumber(text).has_value(),
                     "IsLocaleNumber is true exactly when LocaleNumber succeeds", text);
    return 0;
}
