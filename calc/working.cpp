#include "working.h"

#include "arithmetic.h"

#include <charconv>
#include <utility>

namespace ventrimo {
namespace working {

using arithmetic::Precision;

// Sums bind loosest, then products; a number binds tightest.
enum Binding { kSum, kProduct, kNumber };

// A number with the arithmetic that formed it, written out.
struct Term {
    double value = 0;
    std::string text;
    Binding binding = kNumber;
    bool stored = false;                  // a store into single precision changed the value
    std::optional<double> beforeRounding; // the value before whole() rounded it
};

// The shortest text that reads back as the same single or double, with a decimal comma.
std::string shown(double value, Precision precision) {
    char digits[64];
    const auto end = precision == Precision::Single
                         ? std::to_chars(digits, digits + sizeof digits, float(value)).ptr
                         : std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string text(digits, end);
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

// A term as the operand of an operation that needs at least the given binding.
std::string operand(const Term& term, Binding needed) {
    if (term.stored)
        return "(" + term.text + " ≈ " + shown(term.value, Precision::Single) + ")";
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
    return result;
}

Term operator+(const Term& a, const Term& b) {
    return operation(a, " + ", b, a.value + b.value, kSum);
}
Term operator-(const Term& a, const Term& b) {
    return operation(a, " − ", b, a.value - b.value, kSum);
}
Term operator*(const Term& a, const Term& b) {
    return operation(a, " × ", b, a.value * b.value, kProduct);
}
Term operator/(const Term& a, const Term& b) {
    return operation(a, " ÷ ", b, a.value / b.value, kProduct);
}

// The kind of number arithmetic.h computes with, for the working.
Term number(double value, Precision precision, std::string_view note, Term*) {
    std::string text = shown(value, precision);
    if (!note.empty())
        text.append(" ").append(note);
    Term result;
    result.value = value;
    result.text = std::move(text);
    return result;
}
Term single(const Term& term) {
    Term stored = term;
    stored.value = toSingle(term.value);
    stored.stored = term.stored || stored.value != term.value;
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

// "BMR = <arithmetic> ≈ <stored> → <shown> Cal", the end as the result label shows it.
std::string line(const texts::ResultWords& words, const Term& term) {
    const double before = term.beforeRounding.value_or(term.value);
    const float result = float(std::nearbyint(before));
    std::string text = std::string(words.prefix) + "= " + term.text;
    if (term.stored)
        text += " ≈ " + shown(before, Precision::Single);
    else if (before != result)
        text += " = " + shown(before, Precision::Single);
    text += before != result ? " → " : term.stored ? "" : " = ";
    if (before != result || !term.stored) {
        const std::string number = ResultNumberText(result);
        text += number.starts_with(' ') ? number.substr(1) : number;
    }
    return text + words.suffix.c_str();
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? std::string()
                                           : std::string(text.substr(first, last - first + 1));
}

} // namespace working

std::optional<std::array<std::string, 3>> Working(const Inputs& inputs,
                                                  const texts::Catalogue& words) {
    using working::Term;
    const std::optional<std::size_t> button = arithmetic::levelButton(inputs);
    if (!button || !Calculate(inputs))
        return std::nullopt;
    std::string level = working::trimmed(levelName(Level(*button), words.language));
    if (!level.empty() && level[0] >= 'A' && level[0] <= 'Z')
        level[0] = char(level[0] - 'A' + 'a');
    const arithmetic::Notes notes = {.multiplier = "(" + std::string(words.level) + " " +
                                                   std::to_string(*button + 1) + ": " + level + ")",
                                     .proteinFactor = texts::kGramsPerKilogram.c_str()};
    const std::optional<arithmetic::Steps<Term>> steps = arithmetic::compute<Term>(inputs, notes);
    if (!steps)
        return std::nullopt;
    const std::string formula = working::trimmed(choice(inputs.formula).name);
    return std::array<std::string, 3>{working::line(texts::kBmr, steps->bmr) + " (" + formula + ")",
                                      working::line(texts::kDcn, steps->dcn),
                                      working::line(texts::kDpn, steps->dpn)};
}

} // namespace ventrimo
