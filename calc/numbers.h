// Reading and printing numbers the way the calculator does. Pure functions over UTF-8 text:
// no Qt, no global locale, so they behave the same whatever the machine is set to.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ventrimo {

// The number at the start of a text, with "." as the only decimal point: leading blanks are
// skipped, then an optional sign, digits, an optional exponent. Reading stops at the first
// character that cannot continue the number; a text that does not start with one gives 0.
// "70,5" gives 70, "5kg" gives 5. Never fails; a huge exponent gives an infinity.
double LeadingNumber(std::string_view text);

// The whole text as a number in the calculator's number format: "," is the decimal separator,
// "." a grouping separator that is ignored wherever it stands. Optional sign and exponent,
// surrounding blanks allowed; a comma may open or close the number (",5", "70,"). Empty on
// anything else, and on a value beyond the range of a double.
std::optional<double> LocaleNumber(std::string_view text);

// True exactly when LocaleNumber succeeds.
bool IsLocaleNumber(std::string_view text);

// A whole number as the result labels print it: a blank before a value that is not negative,
// a minus sign before a negative one, then the decimal digits without grouping. Minus zero
// prints as " 0".
std::string ResultNumberText(float value);

// A double stored into a single-precision variable, rounded to nearest as the hardware does,
// overflowing to an infinity instead of the undefined behaviour of a plain cast.
float toSingle(double value);

} // namespace ventrimo
