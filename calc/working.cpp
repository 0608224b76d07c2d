#include "working.h"

#include "arithmetic.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace ventrimo {
namespace working {

using arithmetic::Precision;

// Sums bind loosest, then products; a number binds tightest.
enum Binding { kSum, kProduct, kNumber };

// A number with the arithmetic that formed it, written out, and the lines of the steps before.
struct Term {
    double value = 0;
    std::string text;
    Binding binding = kNumber;
    Precision held = Precision::Double;
    bool perCent = false;                 // a percentage, which already means "÷ 100"
    std::optional<double> beforeRounding; // the value before whole() rounded it
    std::vector<std::string> steps;
};

std::string withComma(std::string text) {
    std::ranges::replace(text, '.', ',');
    return text;
}

// The shortest text that reads back as the same double: a coefficient as its row defines it.
std::string shortest(double value) {
    char digits[64];
    return withComma(std::string(digits, std::to_chars(digits, digits + sizeof digits, value).ptr));
}

// A single as typed: its six significant digits, all a single holds for certain, so that 1,6
// plus 0,2 stored reads 1,8.
std::string typed(double value) {
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6).ptr;
    return withComma(std::string(digits, end));
}

// Any other number: at most two decimals, trailing zeros dropped, never "-0".
std::string twoDecimals(double value) {
    char digits[64];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr;
    std::string text(digits, end);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : withComma(std::move(text));
}

double read(const std::string& text) {
    const std::string point = [&] {
        std::string t = text;
        std::ranges::replace(t, ',', '.');
        return t;
    }();
    double value = 0;
    std::from_chars(point.data(), point.data() + point.size(), value);
    return value;
}

// Whether two decimals hide digits of a value: of those its precision holds, seven significant
// digits of a single (at least its whole part), fifteen of a double. The digits beyond are the
// store's, not the arithmetic's: 62 × 2,2 in singles is 136,4 as a person reckons it.
bool hidesDigits(double value, Precision held) {
    if (!std::isfinite(value))
        return false;
    const int whole = value == 0 ? 1 : int(std::floor(std::log10(std::fabs(value)))) + 1;
    const int significant = held == Precision::Single ? std::max(7, whole) : 15;
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, value,
                                   std::chars_format::general, significant)
                         .ptr;
    return read(std::string(digits, end)) != read(twoDecimals(value));
}

void appendSteps(std::vector<std::string>& to, const std::vector<std::string>& from) {
    for (const std::string& line : from)
        if (std::ranges::find(to, line) == to.end())
            to.push_back(line);
}

// A term as the operand of an operation that needs at least the given binding.
std::string operand(const Term& term, Binding needed) {
    return term.binding < needed ? "(" + term.text + ")" : term.text;
}

Term operation(const Term& a, const char* sign, const Term& b, double value, Binding binding) {
    // The right operand of a sum is in brackets when it is a sum itself, and of a product when
    // it is a product: the text shows the order the arithmetic takes.
    const Binding right = binding == kSum ? kProduct : kNumber;
    Term result;
    result.value = value;
    result.text = operand(a, binding) + sign + operand(b, right);
    result.binding = binding;
    result.steps = a.steps;
    appendSteps(result.steps, b.steps);
    return result;
}

Term operator+(const Term& a, const Term& b) {
    return operation(a, " + ", b, a.value + b.value, kSum);
}
Term operator-(const Term& a, const Term& b) {
    return operation(a, " − ", b, a.value - b.value, kSum);
}
Term operator*(const Term& a, const Term& b) {
    Term product = operation(a, " × ", b, a.value * b.value, kProduct);
    product.perCent = a.perCent || b.perCent;
    return product;
}
Term operator/(const Term& a, const Term& b) {
    if (a.perCent && b.value == 100 && b.text == "100") { // "20 % × 80 kg" is already ÷ 100
        Term share = a;
        share.value = a.value / b.value;
        share.perCent = false;
        return share;
    }
    return operation(a, " ÷ ", b, a.value / b.value, kProduct);
}

// An input or a factor, with its note, as typed or as its row defines it; a coefficient as its
// row defines it; a result carried into the next line, a single without a note, to two decimals.
Term number(double value, Precision precision, std::string_view note, Term*) {
    Term result;
    result.value = value;
    result.held = precision;
    result.text = precision == Precision::Double ? shortest(value)
                  : note.empty()                 ? twoDecimals(value)
                                                 : typed(value);
    if (!note.empty())
        result.text.append(" ").append(note);
    result.perCent = note == texts::kUnitSymbols.percent;
    return result;
}
Term single(const Term& term) {
    Term stored = term;
    stored.value = toSingle(term.value);
    stored.held = Precision::Single;
    return stored;
}
Term whole(const Term& term) {
    Term rounded = term;
    rounded.value = std::nearbyint(term.value);
    rounded.beforeRounding = term.value;
    return rounded;
}
double valueOf(const Term& term) {
    return term.value;
}

// "= 64" or "≈ 36,29": the value to two decimals, marked as exact or not.
std::string equals(double value, Precision held) {
    return (hidesDigits(value, held) ? " ≈ " : " = ") + twoDecimals(value);
}

// An intermediate quantity: its line, "Lean mass = 80 kg − 20 % × 80 kg = 64 kg", joins the
// steps, and the term goes on as its value to two decimals with its unit.
Term step(const Term& term, std::string_view name = {}, std::string_view unit = {}) {
    const std::string after = unit.empty() ? "" : " " + std::string(unit);
    Term result;
    result.value = term.value;
    result.held = term.held;
    result.text = twoDecimals(term.value) + after;
    result.steps = term.steps;
    appendSteps(result.steps, {(name.empty() ? "" : std::string(name) + " = ") + term.text +
                               equals(term.value, term.held) + after});
    return result;
}

// "BMR = <arithmetic> = 1752,4 → 1752 Cal", the end as the result label shows it.
std::string line(const texts::ResultWords& words, const Term& term) {
    const double before = term.beforeRounding.value_or(term.value);
    std::string number = ResultNumberText(float(std::nearbyint(before)));
    if (number.starts_with(' '))
        number.erase(0, 1);
    std::string text = std::string(words.prefix) + "= " + term.text + equals(before, term.held);
    if (twoDecimals(before) != number)
        text += " → " + number;
    return text + words.suffix.c_str();
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

// The name of an activity level as the working writes it after its number, in lower case.
std::string levelName(const texts::Catalogue& words, std::size_t button) {
    std::string name = trimmed(ventrimo::levelName(Level(button), words.language));
    if (!name.empty() && name[0] >= 'A' && name[0] <= 'Z')
        name[0] = char(name[0] - 'A' + 'a');
    return name;
}

} // namespace working

std::optional<std::vector<std::string>> Working(const Inputs& inputs,
                                                const texts::Catalogue& words) {
    using working::Term;
    const std::optional<std::size_t> button = arithmetic::levelButton(inputs);
    if (!button || !Calculate(inputs))
        return std::nullopt;
    const texts::UnitSymbols& units = texts::kUnitSymbols;
    const bool metric = inputs.units == UnitSystem::Metric;
    const arithmetic::Notes notes = {.age = words.years.c_str(),
                                     .weight = (metric ? units.kilograms : units.pounds).c_str(),
                                     .height = (metric ? units.centimetres : units.inches).c_str(),
                                     .fat = units.percent.c_str(),
                                     .kilograms = units.kilograms.c_str(),
                                     .centimetres = units.centimetres.c_str(),
                                     .leanMass = words.leanMass.c_str(),
                                     .multiplier = "(" + std::string(words.level) + " " +
                                                   std::to_string(*button + 1) + ": " +
                                                   working::levelName(words, *button) + ")",
                                     .proteinFactor = texts::kGramsPerKilogram.c_str()};
    const std::optional<arithmetic::Steps<Term>> steps = arithmetic::compute<Term>(inputs, notes);
    if (!steps)
        return std::nullopt;
    const std::string formula = working::trimmed(choice(inputs.formula).name);
    std::vector<std::string> lines;
    auto write = [&lines](const Term& term, std::string line) {
        working::appendSteps(lines, term.steps);
        lines.push_back(std::move(line));
    };
    write(steps->bmr, working::line(texts::kBmr, steps->bmr) + " (" + formula + ")");
    write(steps->dcn, working::line(texts::kDcn, steps->dcn));
    write(steps->dpn, working::line(texts::kDpn, steps->dpn));
    return lines;
}

} // namespace ventrimo
