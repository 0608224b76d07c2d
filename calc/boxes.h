// The five input boxes, as the window numbers them, and the characters each takes.
#pragma once

#include <array>
#include <cstddef>

namespace ventrimo {

// Box indices; BoxCount is the number of boxes, not a box.
enum Box { Age = 0, Weight = 1, Height = 2, BodyFat = 3, ActivityLevel = 4, BoxCount };
inline constexpr std::size_t kBoxCount = BoxCount;

// Most characters the user may type into each box.
inline constexpr std::array<int, kBoxCount> kBoxMaxLength = {2, 5, 5, 2, 1};

} // namespace ventrimo
