#include "metabolic.h"

#include "arithmetic.h"
#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace ventrimo {
namespace {

bool isFiniteSingle(std::string_view text) {
    const std::optional<float> value = arithmetic::singleFrom(text);
    return value && std::isfinite(*value);
}

bool boxesMeetFormula(const Inputs& in) {
    const FormulaChoice& formula = choice(in.formula);
    if (formula.needsSex && in.sex == Sex::None)
        return false;
    for (std::size_t i = 0; i < in.text.size(); ++i)
        if (!BoxMeets(formula.boxes[i], in.text[i]))
            return false;
    return true;
}

} // namespace

bool BoxPasses(std::string_view text) {
    return LeadingNumber(text) > 0 && isFiniteSingle(text);
}

bool BoxMeets(Need need, std::string_view text) {
    switch (need) {
    case Need::Nothing:
        return true;
    case Need::Positive:
        return BoxPasses(text);
    case Need::Number:
        return isFiniteSingle(text);
    }
    return false;
}

bool InputsValid(const Inputs& in) {
    return Evaluate(in).valid;
}

Evaluation Evaluate(const Inputs& in) {
    Evaluation evaluation;
    evaluation.results = Calculate(in);
    evaluation.valid = evaluation.results && boxesMeetFormula(in);
    return evaluation;
}

std::optional<Results> Calculate(const Inputs& in) {
    const std::optional<arithmetic::Steps<double>> steps = arithmetic::compute<double>(in);
    if (!steps)
        return std::nullopt;
    Results results;
    results.bmr = float(std::nearbyint(steps->bmr));
    results.dcn = float(std::nearbyint(steps->dcn));
    results.dpn = float(std::nearbyint(steps->dpn));
    if (!std::isfinite(results.bmr) || !std::isfinite(results.dcn) || !std::isfinite(results.dpn))
        return std::nullopt;
    return results;
}

std::optional<std::string> ClampedLevel(std::string_view level) {
    const std::optional<float> value = arithmetic::singleFrom(level);
    if (!value)
        return std::nullopt;
    const int lowest = levelNumber(kLevels.front().value);
    const int highest = levelNumber(kLevels.back().value);
    if (*value < float(lowest))
        return std::to_string(lowest);
    if (*value > float(highest))
        return std::to_string(highest);
    return std::nullopt;
}

std::string WithDecimalCommas(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

std::string ResultCaption(std::string_view prefix, float value, std::string_view suffix) {
    std::string caption(prefix);
    caption += ResultNumberText(value);
    caption += suffix;
    return caption;
}

Inputs Normalised(Inputs inputs) {
    if (std::optional<std::string> level = ClampedLevel(inputs.text[ActivityLevel]))
        inputs.text[ActivityLevel] = *level;
    for (std::string& text : inputs.text)
        text = WithDecimalCommas(text);
    return inputs;
}

} // namespace ventrimo
