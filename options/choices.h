// The user's four choices as lists: the formula, the unit system and the sex here, the language
// in localisation/texts.h. Each value of a choice is one row, with everything that belongs to
// it; the window builds its menus and options from these rows, and the calculation, the tests
// and the fuzzers read them, so a new row needs no other list edited. Rows are in the order of
// their enum (checked at compile time), which is also the order of the menus.
#pragma once

#include "localisation/texts.h"
#include "options/themes.h"

#include <array>
#include <cstddef>

namespace ventrimo {

enum class Formula { MifflinStJeor, HarrisBenedict, KatchMcArdle };
enum class UnitSystem { Metric, Imperial };
enum class Sex { None, Male, Female };

// What a formula asks of a box: nothing, a positive number, or any number.
enum class Need { Nothing, Positive, Number };

struct FormulaChoice {
    Formula value;
    texts::Text name;          // the menu item, and the menu's title once chosen
    std::array<Need, 5> boxes; // age, weight, height, fat, level
    bool needsSex;
};

inline constexpr auto kFormulas = std::to_array<FormulaChoice>({
    {.value = Formula::MifflinStJeor,
     .name = texts::kMenus.mifflin,
     .boxes = {Need::Positive, Need::Positive, Need::Positive, Need::Nothing, Need::Positive},
     .needsSex = true},
    {.value = Formula::HarrisBenedict,
     .name = texts::kMenus.herris,
     .boxes = {Need::Positive, Need::Positive, Need::Positive, Need::Nothing, Need::Positive},
     .needsSex = true},
    {.value = Formula::KatchMcArdle,
     .name = texts::kMenus.katch,
     .boxes = {Need::Nothing, Need::Positive, Need::Nothing, Need::Positive, Need::Number},
     .needsSex = false},
});

struct UnitChoice {
    UnitSystem value;
    texts::Text item;  // the menu item
    texts::Text title; // the menu's title once chosen
    texts::UnitTips tips;
    texts::UnitCaptions texts::Catalogue::*captions; // the row captions, in each language
};

inline constexpr auto kUnitSystems = std::to_array<UnitChoice>({
    {.value = UnitSystem::Metric,
     .item = texts::kMenus.cmKg,
     .title = texts::kMenus.cmKgTitle,
     .tips = texts::kMetricTips,
     .captions = &texts::Catalogue::metric},
    {.value = UnitSystem::Imperial,
     .item = texts::kMenus.inchPound,
     .title = texts::kMenus.inchPoundTitle,
     .tips = texts::kImperialTips,
     .captions = &texts::Catalogue::imperial},
});

struct SexChoice {
    Sex value;
    const themes::Theme* theme; // the colours its choice paints; none for no choice
    double proteinBonus;        // grams per kilogram added to the level's protein factor
    double calorieFloor;        // the calories a day below which a diet needs a doctor
};

inline constexpr auto kSexes = std::to_array<SexChoice>({
    {.value = Sex::None, .theme = nullptr, .proteinBonus = 0, .calorieFloor = 1200},
    {.value = Sex::Male, .theme = &themes::kMale, .proteinBonus = 0.2, .calorieFloor = 1500},
    {.value = Sex::Female, .theme = &themes::kFemale, .proteinBonus = 0, .calorieFloor = 1200},
});

template <typename Row, std::size_t n> constexpr bool inEnumOrder(const std::array<Row, n>& rows) {
    for (std::size_t i = 0; i < n; ++i)
        if (std::size_t(rows[i].value) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(kFormulas) && inEnumOrder(kUnitSystems) && inEnumOrder(kSexes),
              "each list holds every value of its choice once, in the order of its enum");

constexpr const FormulaChoice& choice(Formula value) {
    return kFormulas[std::size_t(value)];
}
constexpr const UnitChoice& choice(UnitSystem value) {
    return kUnitSystems[std::size_t(value)];
}
constexpr const SexChoice& choice(Sex value) {
    return kSexes[std::size_t(value)];
}

// The paces of the targets box, in the order of its lines: a weight a week to lose (a negative
// change), none to maintain, or to gain, in the unit system's weight unit; "½" as the box
// writes it.
struct Pace {
    UnitSystem units;
    double perWeek;
    texts::Text written;
};

inline constexpr auto kPaces = std::to_array<Pace>({
    {UnitSystem::Metric, -1, "1"},
    {UnitSystem::Metric, -0.5, "0,5"},
    {UnitSystem::Metric, -0.25, "0,25"},
    {UnitSystem::Metric, 0, ""},
    {UnitSystem::Metric, 0.25, "0,25"},
    {UnitSystem::Metric, 0.5, "0,5"},
    {UnitSystem::Imperial, -2, "2"},
    {UnitSystem::Imperial, -1, "1"},
    {UnitSystem::Imperial, -0.5, "½"},
    {UnitSystem::Imperial, 0, ""},
    {UnitSystem::Imperial, 0.5, "½"},
    {UnitSystem::Imperial, 1, "1"},
});

// The calories of a kilogram and of a pound of body weight, lost or gained.
inline constexpr double kCaloriesPerKilogram = 7700;
inline constexpr double kCaloriesPerPound = 3500;

} // namespace ventrimo
