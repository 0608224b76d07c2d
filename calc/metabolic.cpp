#include "metabolic.h"

#include "numbers.h"

#include <algorithm>
#include <cmath>

namespace ventrimo {
namespace {

// Pounds per kilogram and inches per centimetre, as the formulas divide by them.
constexpr double kPoundsPerKilogram = 2.2046;
constexpr double kInchesPerCentimetre = 0.3937;

std::optional<float> singleFrom(std::string_view text) {
    const std::optional<double> value = LocaleNumber(text);
    if (!value)
        return std::nullopt;
    return toSingle(*value);
}

bool isFiniteSingle(std::string_view text) {
    const std::optional<float> value = singleFrom(text);
    return value && std::isfinite(*value);
}

// Age, weight and height as singles, in the units typed, and the sex: what the Harris-Benedict
// and Mifflin-St Jeor rows read. Nothing when a box does not convert or no sex is chosen.
struct Person {
    float age, weight, height;
    bool male;
};

std::optional<Person> personFrom(const Inputs& in) {
    const std::optional<float> a = singleFrom(in.text[Age]);
    const std::optional<float> w = singleFrom(in.text[Weight]);
    const std::optional<float> h = singleFrom(in.text[Height]);
    if (!a || !w || !h || in.sex == Sex::None)
        return std::nullopt;
    return Person{*a, *w, *h, in.sex == Sex::Male};
}

struct HarrisRow {
    double c0, c1, c2, c3;
};

std::optional<float> harrisBenedict(const Inputs& in) {
    const std::optional<Person> p = personFrom(in);
    if (!p)
        return std::nullopt;
    static constexpr HarrisRow maleMetric{.c0 = 66.5, .c1 = 13.75, .c2 = 5.003, .c3 = 6.755};
    static constexpr HarrisRow femaleMetric{.c0 = 655.1, .c1 = 9.563, .c2 = 1.85, .c3 = 4.676};
    static constexpr HarrisRow maleImperial{.c0 = 66, .c1 = 6.23, .c2 = 12.7, .c3 = 6.76};
    static constexpr HarrisRow femaleImperial{.c0 = 655, .c1 = 4.35, .c2 = 4.7, .c3 = 4.676};
    const HarrisRow& row = in.units == UnitSystem::Metric
                               ? (p->male ? maleMetric : femaleMetric)
                               : (p->male ? maleImperial : femaleImperial);
    float bmr = toSingle(row.c1 * p->weight + row.c0 + row.c2 * p->height);
    bmr = toSingle(bmr - row.c3 * p->age);
    return std::nearbyint(bmr);
}

std::optional<float> mifflinStJeor(const Inputs& in) {
    const std::optional<Person> p = personFrom(in);
    if (!p)
        return std::nullopt;
    const float w = p->weight, h = p->height;
    // 5·A, and 10·W where it is formed from the typed weight, are products of singles.
    const float fiveA = 5.0f * p->age;
    const float tenW = 10.0f * w;
    double bmr;
    if (in.units == UnitSystem::Metric)
        bmr = p->male ? tenW + 6.25 * h - fiveA + 5 : tenW + 6.25 * h - fiveA - 161;
    else if (p->male)
        bmr = 10 * (w / kPoundsPerKilogram) + 6.25 * (h / kInchesPerCentimetre) - fiveA + 5;
    else
        bmr = tenW / kPoundsPerKilogram + (6.25 * h) / kInchesPerCentimetre - fiveA - 161;
    return toSingle(bmr);
}

std::optional<float> katchMcArdle(const Inputs& in) {
    const std::optional<float> w = singleFrom(in.text[Weight]);
    const std::optional<float> f = singleFrom(in.text[BodyFat]);
    if (!w || !f)
        return std::nullopt;
    const double kilograms = in.units == UnitSystem::Imperial ? *w / kPoundsPerKilogram : *w;
    const float fatMass = toSingle(*f * kilograms / 100);
    const float leanMass = toSingle(kilograms - fatMass);
    return toSingle(370 + 21.6 * leanMass);
}

std::optional<float> basalRate(const Inputs& in) {
    switch (in.formula) {
    case Formula::HarrisBenedict:
        return harrisBenedict(in);
    case Formula::MifflinStJeor:
        return mifflinStJeor(in);
    case Formula::KatchMcArdle:
        return katchMcArdle(in);
    }
    return std::nullopt;
}

// Grams of protein per kilogram of body weight and day.
float proteinFactor(double level, Sex sex) {
    float factor = level == 1   ? 1.0f
                   : level == 2 ? 1.2f
                   : level == 3 ? 1.4f
                   : level == 4 ? 1.6f
                                : 2.0f;
    return toSingle(factor + choice(sex).proteinBonus);
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
    // The level picks the activity button; a level box the clamp has not yet pulled into 1 to 5
    // picks the nearest button, so that validity can be judged before the clamp runs.
    const double levelIndex = std::nearbyint(LeadingNumber(in.text[ActivityLevel]) - 1);
    if (std::isnan(levelIndex))
        return std::nullopt;
    const auto button = static_cast<std::size_t>(std::clamp(levelIndex, 0.0, 4.0));

    const std::optional<float> bmr = basalRate(in);
    const std::optional<double> multiplier = LocaleNumber(in.activityTag[button]);
    const std::optional<double> weight = LocaleNumber(in.text[Weight]);
    if (!bmr || !multiplier || !weight)
        return std::nullopt;

    Results results;
    results.dcn = std::nearbyint(toSingle(*multiplier * *bmr));
    results.bmr = std::nearbyint(*bmr);
    const double kilograms =
        in.units == UnitSystem::Metric ? *weight : *weight / kPoundsPerKilogram;
    const float factor = proteinFactor(LeadingNumber(in.text[ActivityLevel]), in.sex);
    results.dpn = std::nearbyint(toSingle(kilograms * factor));

    if (!std::isfinite(results.bmr) || !std::isfinite(results.dcn) || !std::isfinite(results.dpn))
        return std::nullopt;
    return results;
}

std::optional<std::string> ClampedLevel(std::string_view level) {
    const std::optional<float> value = singleFrom(level);
    if (!value)
        return std::nullopt;
    if (*value < 1)
        return "1";
    if (*value > 5)
        return "5";
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
