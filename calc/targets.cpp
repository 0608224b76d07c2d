#include "targets.h"

#include "calc/numbers.h"

#include <cmath>

namespace ventrimo {
namespace {

// A whole number as the result labels write it, without their leading blank.
std::string whole(double value) {
    std::string text = ResultNumberText(toSingle(std::nearbyint(value)));
    return text.starts_with(' ') ? text.substr(1) : text;
}

// A catalogue text with %1 and %2 filled in.
std::string filled(std::string_view text, std::string_view first, std::string_view second = {}) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            result += text[++i] == '1' ? first : second;
            continue;
        }
        result += text[i];
    }
    return result;
}

} // namespace

std::vector<std::string> Targets(float dcn, float bmr, Sex sex, UnitSystem units,
                                 const texts::Catalogue& words) {
    const bool metric = units == UnitSystem::Metric;
    const double perUnit = metric ? kCaloriesPerKilogram : kCaloriesPerPound;
    const std::string_view unit =
        metric ? texts::kUnitSymbols.kilograms : texts::kUnitSymbols.pounds;
    const double floor = choice(sex).calorieFloor;
    std::vector<std::string> lines;
    for (const Pace& pace : kPaces) {
        if (pace.units != units)
            continue;
        const double change = std::nearbyint(perUnit * std::fabs(pace.perWeek) / 7);
        const double target = pace.perWeek < 0 ? dcn - change : dcn + change;
        std::string line;
        if (pace.perWeek == 0)
            line = std::string(words.maintain) + ": " + whole(dcn) + texts::kDcn.suffix.c_str();
        else
            line = filled(pace.perWeek < 0 ? words.lose : words.gain, pace.written, unit) + ": " +
                   whole(dcn) + (pace.perWeek < 0 ? " − " : " + ") + whole(change) + " = " +
                   whole(target) + texts::kDcn.suffix.c_str();
        std::vector<std::string> marks;
        if (target < bmr)
            marks.emplace_back(words.belowBmr);
        if (target < floor)
            marks.push_back(filled(words.belowFloor, whole(floor)));
        for (std::size_t i = 0; i < marks.size(); ++i)
            line += (i ? ", " : " — ") + marks[i];
        lines.push_back(std::move(line));
    }
    lines.push_back(
        filled(words.targetsNote, whole(perUnit), metric ? words.kilogram : words.pound));
    return lines;
}

} // namespace ventrimo
