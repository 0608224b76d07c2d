// LeadingNumber against the C library's strtod, which reads the same grammar (blanks, sign,
// digits with "." as the point, exponent) as long as the text holds no hexadecimal prefix,
// "inf" or "nan" and no blank other than the space. Other texts are only read, for crashes.
#include "calc/numbers.h"
#include "property.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool inStrtodGrammar(const std::string& text) {
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' ||
                             c == '+' || c == '-' || c == ' ';
        if (!allowed)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = ventrimo::LeadingNumber(text);
    fuzzing::require(!std::isnan(value), "LeadingNumber never gives NaN", text);
    if (!inStrtodGrammar(text))
        return 0;

    // The C locale is in force here: nothing in this process calls setlocale.
    const double expected = std::strtod(text.c_str(), nullptr);
    const std::string detail =
        "LeadingNumber " + std::to_string(value) + ", strtod " + std::to_string(expected);
    fuzzing::require(fuzzing::sameReading(value, expected), "LeadingNumber reads what strtod reads",
                     text, detail);
    return 0;
}
