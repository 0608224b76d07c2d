// ResultNumberText on every single-precision value: a whole finite value prints as a blank or
// a minus sign and then plain decimal digits that read back as the same value.
#include "calc/numbers.h"
#include "property.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

void checkWhole(float value) {
    const std::string printed = ventrimo::ResultNumberText(value);
    fuzzing::require(printed.size() >= 2, "a sign place and at least one digit", printed);
    const bool negative = value < 0;
    fuzzing::require(printed[0] == (negative ? '-' : ' '), "a blank before a value not negative",
                     printed);
    const std::string digits = printed.substr(1);
    fuzzing::require(digits.find_first_not_of("0123456789") == std::string::npos,
                     "digits only after the sign place", printed);
    fuzzing::require(digits == "0" || digits[0] != '0', "no leading zeros", printed);
    const std::optional<double> read = ventrimo::LocaleNumber(printed);
    fuzzing::require(read && *read == value, "the text reads back as the value", printed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(float))
        return 0;
    float value;
    std::memcpy(&value, data, sizeof value);
    // Any value must print without trouble, even those no result can take.
    const std::string any = ventrimo::ResultNumberText(value);
    fuzzing::require(!any.empty(), "something is printed", any);
    if (std::isfinite(value))
        checkWhole(std::nearbyint(value));
    return 0;
}
