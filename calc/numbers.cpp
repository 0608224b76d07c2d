#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace ventrimo {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A number already cut to the shape [-]digits[.digits][e[-]digits], digits on at least one
// side of the point. std::from_chars reads it without looking at the C locale, which Qt sets
// from the environment at start-up.
double parsePlainDecimal(const std::string& plain) {
    double value = 0;
    const char* first = plain.data();
    const char* last = first + plain.size();
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc::result_out_of_range)
        return value;

    // Out of range: the position of the first significant digit tells overflow from underflow.
    const bool negative = plain.front() == '-';
    std::string_view number(plain);
    number.remove_prefix(negative ? 1 : 0);
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    const std::size_t firstSignificant = whole.find_first_not_of('0');
    long long magnitude = firstSignificant != std::string_view::npos
                              ? static_cast<long long>(whole.size() - firstSignificant)
                              : -static_cast<long long>(fraction.find_first_not_of('0'));
    if (e != std::string_view::npos) {
        const std::string_view exponent = number.substr(e + 1);
        const bool negativeExponent = exponent.front() == '-';
        long long value = 0;
        for (char digit : exponent.substr(negativeExponent ? 1 : 0))
            value = std::min(value * 10 + (digit - '0'), 1LL << 40);
        magnitude += negativeExponent ? -value : value;
    }
    const double limit = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -limit : limit;
}

// Appends "e[-]digits" read from text at i when a complete exponent stands there; returns the
// index after it, or i unchanged when there is none.
std::size_t readExponent(std::string_view text, std::size_t i, std::string& out) {
    if (i >= text.size() || (text[i] != 'e' && text[i] != 'E'))
        return i;
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
        if (text[j] == '-')
            exponent += '-';
        ++j;
    }
    const std::size_t digitsStart = j;
    while (j < text.size() && isDigit(text[j]))
        exponent += text[j++];
    if (j == digitsStart)
        return i;
    out += exponent;
    return j;
}

} // namespace

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::string plain;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    std::size_t digits = 0;
    std::string mantissa;
    while (i < text.size() && isDigit(text[i])) {
        mantissa += text[i++];
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::string fraction;
        std::size_t j = i + 1;
        while (j < text.size() && isDigit(text[j]))
            fraction += text[j++];
        if (!fraction.empty() || digits > 0) {
            mantissa += '.' + fraction;
            digits += fraction.size();
            i = j;
        }
    }
    if (digits == 0)
        return 0.0;
    plain += mantissa.front() == '.' ? "0" + mantissa : mantissa;
    if (plain.back() == '.')
        plain.pop_back();
    readExponent(text, i, plain);
    return parsePlainDecimal(plain);
}

std::optional<double> LocaleNumber(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (char c : text)
        if (c != '.')
            kept += c;
    std::string_view rest(kept);
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    while (!rest.empty() && isBlank(rest.back()))
        rest.remove_suffix(1);

    std::string plain;
    std::size_t i = 0;
    if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) {
        if (rest[i] == '-')
            plain += '-';
        ++i;
    }
    std::string whole, fraction;
    bool comma = false;
    for (; i < rest.size() && (isDigit(rest[i]) || rest[i] == ','); ++i) {
        if (rest[i] == ',') {
            if (comma)
                return std::nullopt;
            comma = true;
        } else {
            (comma ? fraction : whole) += rest[i];
        }
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    plain += whole.empty() ? "0" : whole;
    if (!fraction.empty())
        plain += '.' + fraction;
    const std::size_t end = readExponent(rest, i, plain);
    if (end != rest.size())
        return std::nullopt;
    const double value = parsePlainDecimal(plain);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

bool IsLocaleNumber(std::string_view text) {
    return LocaleNumber(text).has_value();
}

std::string ResultNumberText(float value) {
    if (value == 0)
        return " 0";
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string digits(buffer, error == std::errc() ? end : buffer);
    return value < 0 ? digits : " " + digits;
}

float toSingle(double value) {
    constexpr double largest = std::numeric_limits<float>::max();
    // Beyond the largest single by less than half its last step still rounds down to it.
    constexpr double roundsDownToLargest = largest + 0x1p103;
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(value) <= largest)
        return static_cast<float>(value);
    const float limit = std::fabs(value) < roundsDownToLargest
                            ? std::numeric_limits<float>::max()
                            : std::numeric_limits<float>::infinity();
    return value < 0 ? -limit : limit;
}

} // namespace ventrimo
