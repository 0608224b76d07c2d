// LocaleNumber: the value of a text it accepts, and the round trip of every double printed
// with a decimal comma.
#include "calc/numbers.h"
#include "property.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The text as strtod would read it: grouping points dropped, the decimal comma made a point.
std::string withDecimalPoint(const std::string& text) {
    std::string plain;
    for (char c : text) {
        if (c != '.')
            plain += c == ',' ? '.' : c;
    }
    return plain;
}

void checkRoundTrip(double value) {
    if (!std::isfinite(value))
        return;
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return;
    std::string printed(buffer, end);
    for (char& c : printed) {
        if (c == '.')
            c = ',';
    }
    const std::optional<double> read = ventrimo::LocaleNumber(printed);
    fuzzing::require(read && *read == value, "a printed double reads back unchanged", printed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = ventrimo::LocaleNumber(text);
    fuzzing::require(ventrimo::IsLocaleNumber(text) == value.has_value(),
                     "IsLocaleNumber is true exactly when LocaleNumber succeeds", text);
    if (value) {
        fuzzing::require(std::isfinite(*value), "an accepted number is finite", text);
        const double expected = std::strtod(withDecimalPoint(text).c_str(), nullptr);
        fuzzing::require(
            fuzzing::sameReading(*value, expected), "LocaleNumber reads what strtod reads", text,
            "LocaleNumber " + std::to_string(*value) + ", strtod " + std::to_string(expected));
    }

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        checkRoundTrip(bits);
    }
    return 0;
}
