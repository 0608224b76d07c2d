// Every text the window shows: captions, tool tips, titles, menu items, unit captions, the
// disclaimer. Plain data, in UTF-8; the window writes them and nothing else spells them.
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace texts {

using Text = const char*;
using Five = std::array<Text, 5>;

inline constexpr Text kWindowTitle = "Ventrimo";
// The author's web site: shown by DCNLabel until the first result, opened by the web command.
inline constexpr Text kWebAddress = "https://example.org";

// What the window shows when it is created, before start-up writes its language.
struct LayoutTexts {
    Text option1, option2, option3;
    Five labels;
    Five levelTips;
    Text level;      // the level box
    Text levelRange; // the tool tip of the level box and its caption
    Text credit;     // DPNlabel until the first result
    Text buildDate;  // BMRLabel until the first result
};
inline constexpr LayoutTexts kLayout = {
    "Lui",
    "                 Lei",
    "Inv",
    {"Età", "Peso ", "Altezza ", "Grasso %", "Livello attività"},
    {"Sedentario", "Poca attività", "Attività moderata", "Sportivo", "Sport agonistico "},
    "1",
    "1 - 5",
    "Brought 2 u by Quillan",
    "28/04/2012",
};

// The menu bar, the same in both languages. A formula's item caption is also the title its
// choice writes.
struct MenuTexts {
    Text formulaAtStart;
    Text mifflin, herris, katch;
    Text unitsAtStart;
    Text cmKg, inchPound;
    Text itaEng, web, disclaimer;
};
inline constexpr MenuTexts kMenus = {
    "Mifflin-St Jeor", "Mifflin-St Jeor ", "Herris-Benedict", "Katch-McArdle", "Cm ; Kg",
    "Cm ; Kg",         "Inches ; Pounds",  "Ita/Eng",         "WEB",           "[ (!) ]",
};

// What choosing a unit system writes: the tool tips of the weight and height boxes and the
// unit menu's title.
struct UnitChoice {
    Text weightTip, heightTip, title;
};
inline constexpr UnitChoice kMetric = {"Kg", "Cm", "Cm;Kg"};
inline constexpr UnitChoice kImperial = {"Pounds", "Inch.", "Inch.;Pound"};

// A result caption is its prefix, the number and its suffix, the same in both languages.
struct ResultWords {
    Text prefix, suffix;
};
inline constexpr ResultWords kBmr = {"BMR ", " Cal"};
inline constexpr ResultWords kDcn = {"DCN ", " Cal"};
inline constexpr ResultWords kDpn = {"DPN ", " Grm"};

enum class Language { Italian, English };

// The language a caption of Option1 names: "Lui" Italian, "Him" English, none for any other
// text. Exact and case-sensitive; callers that trim the caption do so first.
std::optional<Language> languageOf(const QString& caption);

// The language the program starts in, from the full name of the locale's first weekday: an
// Italian locale whose week starts on Monday names it "lunedì" (or "lunedí"); any other name,
// exactly compared, gives English.
Language startLanguage(const QString& firstWeekdayName);

// The fifteen language-dependent properties, in the order the window writes them.
struct TextSet {
    Text option1; // also the language word
    Text option2;
    Five labels;
    Text bmrTip, dcnTip, dpnTip;
    Five levelTips;
};

// Italian, at start-up and from the language command alike.
extern const TextSet kItalian;
// English at start-up, and English from the language command: they differ in the padding of
// Option2's caption and the spelling of the protein tool tip.
extern const TextSet kEnglishAtStartup;
extern const TextSet kEnglishByCommand;

// The captions of the weight and height rows, which name their unit.
struct UnitCaptions {
    Text weight, height;
};
UnitCaptions unitCaptions(Language language, bool metric);

// The disclaimer: a title and a message of two lines.
struct Disclaimer {
    Text title, firstLine, secondLine;
};
const Disclaimer& disclaimer(Language language);

// The result labels' context menu: its one command, which copies the caption.
Text copyCommand(Language language);

} // namespace texts
