// How the results were computed, written out with the user's numbers: one line for each
// result, in the order the program computes them, from the very arithmetic that gives them.
#pragma once

#include "calc/metabolic.h"
#include "localisation/texts.h"

#include <array>
#include <optional>
#include <string>

namespace ventrimo {

// "BMR = 10 × 80 + 6,25 × 180 − 5 × 30 + 5 = 1780 Cal (Mifflin-St Jeor)", then the DCN and the
// DPN lines, in the catalogue's language. Numbers are written with a decimal comma, each in the
// precision the arithmetic holds it; "≈" follows a step stored into single precision with the
// value stored, "→" the rounding to the whole number the result labels show. None when the
// inputs give no results.
std::optional<std::array<std::string, 3>> Working(const Inputs& inputs,
                                                  const texts::Catalogue& words);

} // namespace ventrimo
