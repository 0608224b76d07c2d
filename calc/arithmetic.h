// The formulas once, for two kinds of number: double, which computes the results, and
// working::Term, which also writes out how each was formed. The window's results and the
// working it shows come from these same lines, so a coefficient lives in one place.
//
// A kind of number N offers: number<N>(value, precision, note) for an input, a coefficient or
// an intermediate result, the four operations in double precision, single() for a store into
// single precision, whole() for rounding to a whole number (ties to even), step() for an
// intermediate quantity the working writes on a line of its own, and valueOf().
// Internal to calc/: metabolic.cpp and working.cpp include it.
#pragma once

#include "calc/metabolic.h"
#include "calc/numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace ventrimo::arithmetic {

// Pounds per kilogram and inches per centimetre, as the formulas divide by them.
inline constexpr double kPoundsPerKilogram = 2.2046;
inline constexpr double kInchesPerCentimetre = 0.3937;

// How a number is held: a single, or a double. The working prints each as its own shortest form.
enum class Precision { Single, Double };

inline double number(double value, Precision, std::string_view, double*) {
    return value;
}
template <typename N> N number(double value, Precision precision, std::string_view note = {}) {
    return number(value, precision, note, static_cast<N*>(nullptr));
}
template <typename N> N constant(double value) {
    return number<N>(value, Precision::Double);
}
inline double single(double value) {
    return toSingle(value);
}
inline double whole(double value) {
    return std::nearbyint(value);
}
inline double valueOf(double value) {
    return value;
}
inline double step(double value, std::string_view = {}, std::string_view = {}) {
    return value;
}

// What the working writes beside a number: the unit after each input, the level and its name
// after the activity multiplier, the unit after the protein factor, the name of the lean mass.
// The results ignore them.
struct Notes {
    std::string age, weight, height, fat;
    std::string kilograms, centimetres; // after a weight or height converted from the typed unit
    std::string leanMass;
    std::string multiplier, proteinFactor;
};

inline std::optional<float> singleFrom(std::string_view text) {
    const std::optional<double> value = LocaleNumber(text);
    if (!value)
        return std::nullopt;
    return toSingle(*value);
}

// Age, weight and height as singles, in the units typed, and the sex: what the Harris-Benedict
// and Mifflin-St Jeor rows read. Nothing when a box does not convert or no sex is chosen.
template <typename N> struct Person {
    N age, weight, height;
    bool male;
};

template <typename N> std::optional<Person<N>> personFrom(const Inputs& in, const Notes& notes) {
    const std::optional<float> a = singleFrom(in.text[Age]);
    const std::optional<float> w = singleFrom(in.text[Weight]);
    const std::optional<float> h = singleFrom(in.text[Height]);
    if (!a || !w || !h || in.sex == Sex::None)
        return std::nullopt;
    return Person<N>{number<N>(*a, Precision::Single, notes.age),
                     number<N>(*w, Precision::Single, notes.weight),
                     number<N>(*h, Precision::Single, notes.height), in.sex == Sex::Male};
}

struct HarrisRow {
    double c0, c1, c2, c3;
};

template <typename N> std::optional<N> harrisBenedict(const Inputs& in, const Notes& notes) {
    const std::optional<Person<N>> p = personFrom<N>(in, notes);
    if (!p)
        return std::nullopt;
    static constexpr HarrisRow maleMetric{.c0 = 66.5, .c1 = 13.75, .c2 = 5.003, .c3 = 6.755};
    static constexpr HarrisRow femaleMetric{.c0 = 655.1, .c1 = 9.563, .c2 = 1.85, .c3 = 4.676};
    static constexpr HarrisRow maleImperial{.c0 = 66, .c1 = 6.23, .c2 = 12.7, .c3 = 6.76};
    static constexpr HarrisRow femaleImperial{.c0 = 655, .c1 = 4.35, .c2 = 4.7, .c3 = 4.676};
    const HarrisRow& row = in.units == UnitSystem::Metric
                               ? (p->male ? maleMetric : femaleMetric)
                               : (p->male ? maleImperial : femaleImperial);
    const N sum = step(single(constant<N>(row.c1) * p->weight + constant<N>(row.c0) +
                              constant<N>(row.c2) * p->height));
    return whole(single(sum - constant<N>(row.c3) * p->age));
}

template <typename N> std::optional<N> mifflinStJeor(const Inputs& in, const Notes& notes) {
    const std::optional<Person<N>> p = personFrom<N>(in, notes);
    if (!p)
        return std::nullopt;
    const N& w = p->weight;
    const N& h = p->height;
    // 5·A, and 10·W where it is formed from the typed weight, are products of singles.
    const N fiveA = single(constant<N>(5) * p->age);
    const N tenW = single(constant<N>(10) * w);
    const N pounds = constant<N>(kPoundsPerKilogram);
    const N inches = constant<N>(kInchesPerCentimetre);
    if (in.units == UnitSystem::Metric)
        return single(p->male ? tenW + constant<N>(6.25) * h - fiveA + constant<N>(5)
                              : tenW + constant<N>(6.25) * h - fiveA - constant<N>(161));
    if (p->male)
        return single(constant<N>(10) * step(w / pounds, {}, notes.kilograms) +
                      constant<N>(6.25) * step(h / inches, {}, notes.centimetres) - fiveA +
                      constant<N>(5));
    return single(step(tenW / pounds) + step((constant<N>(6.25) * h) / inches) - fiveA -
                  constant<N>(161));
}

template <typename N> std::optional<N> katchMcArdle(const Inputs& in, const Notes& notes) {
    const std::optional<float> w = singleFrom(in.text[Weight]);
    const std::optional<float> f = singleFrom(in.text[BodyFat]);
    if (!w || !f)
        return std::nullopt;
    const N weight = number<N>(*w, Precision::Single, notes.weight);
    const N kilograms = in.units == UnitSystem::Imperial
                            ? step(weight / constant<N>(kPoundsPerKilogram), {}, notes.kilograms)
                            : weight;
    const N fatMass =
        single(number<N>(*f, Precision::Single, notes.fat) * kilograms / constant<N>(100));
    const N leanMass = step(single(kilograms - fatMass), notes.leanMass, notes.kilograms);
    return single(constant<N>(370) + constant<N>(21.6) * leanMass);
}

template <typename N> std::optional<N> basalRate(const Inputs& in, const Notes& notes) {
    switch (in.formula) {
    case Formula::HarrisBenedict:
        return harrisBenedict<N>(in, notes);
    case Formula::MifflinStJeor:
        return mifflinStJeor<N>(in, notes);
    case Formula::KatchMcArdle:
        return katchMcArdle<N>(in, notes);
    case Formula::Count:
        break;
    }
    return std::nullopt;
}

// Grams of protein per kilogram of body weight and day: the factor of the level whose number
// the level box holds exactly. A level outside the list, which only the clamp has yet to pull
// into range, takes the factor of the highest level.
inline float proteinFactor(double level, Sex sex) {
    const LevelChoice* row = &kLevels.back();
    for (const LevelChoice& each : kLevels)
        if (level == levelNumber(each.value))
            row = &each;
    return toSingle(row->proteinFactor + choice(sex).proteinBonus);
}

// The three results before the window rounds them to whole numbers (Harris-Benedict's basal
// rate is whole already: its formula rounds it before the daily need is formed from it).
template <typename N> struct Steps {
    N bmr, dcn, dpn; // the basal rate, the daily need, the protein
};

// The level picks the activity button; a level box the clamp has not yet pulled into 1 to 5
// picks the nearest button, so that validity can be judged before the clamp runs.
inline std::optional<std::size_t> levelButton(const Inputs& in) {
    const double levelIndex = std::nearbyint(LeadingNumber(in.text[ActivityLevel]) - 1);
    if (std::isnan(levelIndex))
        return std::nullopt;
    return static_cast<std::size_t>(std::clamp(levelIndex, 0.0, double(kLevelCount - 1)));
}

// The daily caloric need from the basal rate as stored, the protein need from the weight as
// typed; the basal rate's last rounding comes after both.
template <typename N> std::optional<Steps<N>> compute(const Inputs& in, const Notes& notes = {}) {
    const std::optional<std::size_t> button = levelButton(in);
    if (!button)
        return std::nullopt;
    const std::optional<N> bmr = basalRate<N>(in, notes);
    const std::optional<double> multiplier = LocaleNumber(in.activityTag[*button]);
    const std::optional<double> weight = LocaleNumber(in.text[Weight]);
    if (!bmr || !multiplier || !weight)
        return std::nullopt;

    const N rate = number<N>(valueOf(*bmr), Precision::Single);
    const N dcn = single(rate * number<N>(*multiplier, Precision::Double, notes.multiplier));
    const N typed = number<N>(*weight, Precision::Double, notes.weight);
    const N kilograms = in.units == UnitSystem::Metric
                            ? typed
                            : step(typed / constant<N>(kPoundsPerKilogram), {}, notes.kilograms);
    const float factor = proteinFactor(LeadingNumber(in.text[ActivityLevel]), in.sex);
    const N dpn = single(kilograms * number<N>(factor, Precision::Single, notes.proteinFactor));
    return Steps<N>{*bmr, dcn, dpn};
}

} // namespace ventrimo::arithmetic
