// How the results were computed, written out with the user's numbers as a person writes them:
// one step a line, in the order the program computes them, from the very arithmetic that gives
// the results.
#pragma once

#include "calc/metabolic.h"
#include "localisation/texts.h"

#include <optional>
#include <string>
#include <vector>

namespace ventrimo {

// "BMR = 10 × 80 kg + 6,25 × 180 cm − 5 × 30 years + 5 = 1780 Cal (Mifflin-St Jeor)", then the
// DCN and the DPN lines, in the catalogue's language; an intermediate quantity (a converted
// weight or height, the lean mass, Harris-Benedict's first sum) on a line of its own before the
// first line that uses it. Inputs are written as typed with their unit, coefficients as their
// rows define them, every other number to at most two decimals with a decimal comma. "≈"
// follows a step whose two decimals hide digits of its value, "→" the rounding to the whole
// number the result labels show. None when the inputs give no results.
std::optional<std::vector<std::string>> Working(const Inputs& inputs,
                                                const texts::Catalogue& words);

} // namespace ventrimo
