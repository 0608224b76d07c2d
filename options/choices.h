// The user's choices as lists: the formula, the unit system, the sex and the activity level
// here, the language in localisation/texts.h. Each value of a choice is one row, with everything
// that belongs to it; the window builds its menus, options and level buttons from these rows,
// and the calculation, the tests and the fuzzers read them, so a new row needs no other list
// edited.
//
// Complete by construction: each enum ends in Count, the number of its values, and each list
// holds exactly that many rows, in the order of the enum (also the order of the menus). A row
// left out does not compile: its texts cannot be empty (texts::Text), and a row without texts
// fails the list's order check, which names the list.
#pragma once

#include "calc/boxes.h"
#include "localisation/texts.h"
#include "options/themes.h"

#include <array>
#include <cstddef>

namespace ventrimo {

enum class Formula { MifflinStJeor, HarrisBenedict, KatchMcArdle, Count };
enum class UnitSystem { Metric, Imperial, Count };
enum class Sex { None, Male, Female, Count };
// Activity levels 1 to 5, from sedentary to professional athlete.
enum class Level { Sedentary, Light, Moderate, Hard, Athlete, Count };

// A list with one row for each value of a choice.
template <typename Choice, typename Row> using ListOf = std::array<Row, std::size_t(Choice::Count)>;

// What a formula asks of a box: nothing, a positive number, or any number.
enum class Need { Nothing, Positive, Number };

struct FormulaChoice {
    Formula value;
    texts::Text name;                  // the menu item, and the menu's title once chosen
    std::array<Need, kBoxCount> boxes; // age, weight, height, fat, level
    bool needsSex;
};

inline constexpr ListOf<Formula, FormulaChoice> kFormulas = {{
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
}};

// Where a catalogue keeps a unit system's row captions.
using CaptionsIn = texts::UnitCaptions texts::Catalogue::*;

struct UnitChoice {
    UnitSystem value;
    texts::Text item;  // the menu item
    texts::Text title; // the menu's title once chosen
    texts::UnitTips tips;
    CaptionsIn captions; // the row captions, in each language
};

inline constexpr ListOf<UnitSystem, UnitChoice> kUnitSystems = {{
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
}};

struct SexChoice {
    Sex value;
    const themes::Theme* theme; // the colours its choice paints; none for no choice
    double proteinBonus;        // grams per kilogram added to the level's protein factor
    double calorieFloor;        // the calories a day below which a diet needs a doctor
};

inline constexpr ListOf<Sex, SexChoice> kSexes = {{
    {.value = Sex::None, .theme = nullptr, .proteinBonus = 0, .calorieFloor = 1200},
    {.value = Sex::Male, .theme = &themes::kMale, .proteinBonus = 0.2, .calorieFloor = 1500},
    {.value = Sex::Female, .theme = &themes::kFemale, .proteinBonus = 0, .calorieFloor = 1200},
}};

struct LevelChoice {
    Level value;
    texts::Text tag;       // the multiplier of the daily need, as the level's button carries it
    float proteinFactor;   // grams of protein per kilogram of body weight
    texts::Text layoutTip; // the button's tool tip as the window is created
    texts::PerLanguage<texts::Text> names; // the level's name in each language: its tool tip
};

inline constexpr ListOf<Level, LevelChoice> kLevels = {{
    {.value = Level::Sedentary,
     .tag = "1,2",
     .proteinFactor = 1.0f,
     .layoutTip = "Sedentario",
     .names = {"Sedentario", "Sedentary"}},
    {.value = Level::Light,
     .tag = "1,375",
     .proteinFactor = 1.2f,
     .layoutTip = "Poca attività",
     .names = {"Poca attività fisica", "Little physical activity"}},
    {.value = Level::Moderate,
     .tag = "1,55",
     .proteinFactor = 1.4f,
     .layoutTip = "Attività moderata",
     .names = {"Attività fisica moderata", "Moderate physical activity "}},
    {.value = Level::Hard,
     .tag = "1,725",
     .proteinFactor = 1.6f,
     .layoutTip = "Sportivo",
     .names = {"Sportivo o attività fisica frequente", "Hard physical activity"}},
    {.value = Level::Athlete,
     .tag = "1,9",
     .proteinFactor = 2.0f,
     .layoutTip = "Sport agonistico ",
     .names = {"Sport agonistico o quotidiana manovalanza pesante",
               "Professional athelete or daily heavy manual labor"}},
}};
inline constexpr std::size_t kLevelCount = kLevels.size();

template <typename Row, std::size_t n> constexpr bool inEnumOrder(const std::array<Row, n>& rows) {
    for (std::size_t i = 0; i < n; ++i)
        if (std::size_t(rows[i].value) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(kFormulas), "kFormulas: one row for each Formula, in the enum's order");
static_assert(inEnumOrder(kUnitSystems),
              "kUnitSystems: one row for each UnitSystem, in the enum's order");
static_assert(inEnumOrder(kSexes), "kSexes: one row for each Sex, in the enum's order");
static_assert(inEnumOrder(kLevels), "kLevels: one row for each Level, in the enum's order");

constexpr const FormulaChoice& choice(Formula value) {
    return kFormulas[std::size_t(value)];
}
constexpr const UnitChoice& choice(UnitSystem value) {
    return kUnitSystems[std::size_t(value)];
}
constexpr const SexChoice& choice(Sex value) {
    return kSexes[std::size_t(value)];
}
constexpr const LevelChoice& choice(Level value) {
    return kLevels[std::size_t(value)];
}

// The level's number as the user types it and its button shows it: 1 for the first.
constexpr int levelNumber(Level value) {
    return int(value) + 1;
}

// A level's name in a language.
constexpr texts::Text levelName(Level value, texts::Language language) {
    return choice(value).names[std::size_t(language)];
}

// The paces of the targets box, in the order of its lines: a weight a week to lose (a negative
// change), none to maintain, or to gain, in the unit system's weight unit; "½" as the box
// writes it.
struct Pace {
    UnitSystem units;
    double perWeek;
    std::string_view written; // the amount, none for maintaining
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
