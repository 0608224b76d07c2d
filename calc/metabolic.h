// The calculation itself: which inputs are usable, and the basal rate, the daily caloric need
// and the daily protein need computed from them. Pure functions of the five box texts and the
// three choices, so the window, the tests and the fuzzers all run the very same arithmetic.
#pragma once

#include "calc/boxes.h"
#include "options/choices.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ventrimo {

struct Inputs {
    std::array<std::string, kBoxCount> text;          // the boxes, UTF-8
    std::array<std::string, kLevelCount> activityTag; // the tags of the level buttons
    Formula formula = Formula::MifflinStJeor;
    Sex sex = Sex::None;
    UnitSystem units = UnitSystem::Metric;
};

// The three results, each rounded to a whole number (ties to even) as they are shown.
struct Results {
    float bmr = 0;
    float dcn = 0;
    float dpn = 0;
};

// A box counts when its leading number is above 0 and its whole text is a number whose value
// fits a single.
bool BoxPasses(std::string_view text);

// Whether a box meets what a formula asks of it.
bool BoxMeets(Need need, std::string_view text);

// Whether the boxes that the formula needs are usable (kFormulas says which, and whether it
// needs a sex) and the results come out as finite numbers.
bool InputsValid(const Inputs& inputs);

// Both answers from one calculation: the results, and whether they are valid to show. Results
// can be there while the inputs are not valid (a box such as "0,5" converts but is no positive
// leading number).
struct Evaluation {
    std::optional<Results> results;
    bool valid = false;
};
Evaluation Evaluate(const Inputs& inputs);

// The results from the boxes as they stand (their decimal points already turned into commas).
// Empty when a text does not convert or a result leaves the range of a single.
std::optional<Results> Calculate(const Inputs& inputs);

// The level box pulled into the levels' numbers, 1 to 5: "1" below, "5" above, nothing when the
// level is in range or is not a number.
std::optional<std::string> ClampedLevel(std::string_view level);

// Every "." turned into ",".
std::string WithDecimalCommas(std::string_view text);

// "BMR  1780 Cal" and the like.
std::string ResultCaption(std::string_view prefix, float value, std::string_view suffix);

// The inputs as the calculation leaves the boxes: level pulled into range, decimal commas.
Inputs Normalised(Inputs inputs);

} // namespace ventrimo
