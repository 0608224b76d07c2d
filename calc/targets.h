// The calories a day to lose, keep or gain weight at each pace of options/choices.h, from the
// daily need on screen.
#pragma once

#include "localisation/texts.h"
#include "options/choices.h"

#include <string>
#include <vector>

namespace ventrimo {

// One line a pace of the unit system, "Lose 0,5 kg a week: 2136 − 550 = 1586 Cal", marked when
// the target is below the basal rate or the sex's floor, then the closing line on how long the
// rule holds; in the catalogue's language, whole calories from the results as the labels show
// them.
std::vector<std::string> Targets(float dcn, float bmr, Sex sex, UnitSystem units,
                                 const texts::Catalogue& words);

} // namespace ventrimo
