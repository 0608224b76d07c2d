// Every text the window shows: captions, tool tips, titles, menu items, unit captions, the
// disclaimer. Plain constant data in UTF-8, without Qt: the window writes these texts and
// nothing else spells them.
//
// Who writes which text when: the window is created with the layout's texts (kLayout, kMenus);
// start-up then overwrites the option captions, the row captions and every tool tip of the
// results and level buttons with its language's catalogue (Form_Load), and the language command
// writes the other language's (ItaEng_Click). Unit captions follow the language and the unit
// system (UpdateUnitLabels); formula and unit titles follow their menus.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace texts {

// A text of the window: never null, never empty. It is made only from a literal, when the program
// compiles, and it cannot be left out: a catalogue entry, a list entry or a row that is missing
// does not compile.
class Text {
  public:
    consteval Text(const char* text) : text(text) {
        if (text == nullptr || *text == '\0')
            throw "a text of the window is missing or empty";
    }
    constexpr operator const char*() const { return text; }
    constexpr operator std::string_view() const { return text; }
    constexpr const char* c_str() const { return text; }

  private:
    const char* text;
};
using Five = std::array<Text, 5>;

inline constexpr Text kWindowTitle = "Ventrimo";
// The author's web site: shown by DCNLabel until the first result, opened by the web command.
inline constexpr Text kWebAddress = "https://example.org";

// What the window shows when it is created, before start-up writes its language.
struct LayoutTexts {
    Text option1, option2, option3;
    Five labels;
    Text level;      // the level box
    Text levelRange; // the tool tip of the level box and its caption
    Text credit;     // DPNlabel until the first result
    Text buildDate;  // BMRLabel until the first result
};
inline constexpr LayoutTexts kLayout = {
    .option1 = "Lui",
    .option2 = "                 Lei",
    .option3 = "Inv",
    .labels = {"Età", "Peso ", "Altezza ", "Grasso %", "Livello attività"},
    .level = "1",
    .levelRange = "1 - 5",
    .credit = "Brought 2 u by Quillan",
    .buildDate = "28/04/2012",
};

// The menu bar, the same in both languages. A formula's item caption is also the title its
// choice writes; a unit system's title is shorter than its item.
struct MenuTexts {
    Text formulaAtStart;
    Text mifflin, herris, katch;
    Text unitsAtStart;
    Text cmKg, inchPound;
    Text cmKgTitle, inchPoundTitle;
    Text itaEng, web, disclaimer;
};
inline constexpr MenuTexts kMenus = {
    .formulaAtStart = "Mifflin-St Jeor",
    .mifflin = "Mifflin-St Jeor ",
    .herris = "Herris-Benedict",
    .katch = "Katch-McArdle",
    .unitsAtStart = "Cm ; Kg",
    .cmKg = "Cm ; Kg",
    .inchPound = "Inches ; Pounds",
    .cmKgTitle = "Cm;Kg",
    .inchPoundTitle = "Inch.;Pound",
    .itaEng = "Ita/Eng",
    .web = "WEB",
    .disclaimer = "[ (!) ]",
};

// The tool tips of the weight and height boxes, which name their unit.
struct UnitTips {
    Text weight, height;
};
inline constexpr UnitTips kMetricTips = {.weight = "Kg", .height = "Cm"};
inline constexpr UnitTips kImperialTips = {.weight = "Pounds", .height = "Inch."};

// A result caption is its prefix, the number and its suffix, the same in both languages.
struct ResultWords {
    Text prefix, suffix;
};
inline constexpr ResultWords kBmr = {.prefix = "BMR ", .suffix = " Cal"};
inline constexpr ResultWords kDcn = {.prefix = "DCN ", .suffix = " Cal"};
inline constexpr ResultWords kDpn = {.prefix = "DPN ", .suffix = " Grm"};

// The unit of the protein factor, in the working of the results.
inline constexpr Text kGramsPerKilogram = "g/kg";

// The units the working writes after the inputs and the quantities it converts, the same in
// both languages.
struct UnitSymbols {
    Text kilograms, centimetres, pounds, inches, percent;
};
inline constexpr UnitSymbols kUnitSymbols = {
    .kilograms = "kg", .centimetres = "cm", .pounds = "lb", .inches = "in", .percent = "%"};

// The captions of the weight and height rows, which name their unit.
struct UnitCaptions {
    Text weight, height;
};

// The disclaimer: a title and a message of two lines.
struct Disclaimer {
    Text title, firstLine, secondLine;
};

// The languages; Count is their number, not a language.
enum class Language { Italian, English, Count };
inline constexpr std::size_t kLanguageCount = std::size_t(Language::Count);

// One text, or anything else, for each language, in the order of the enum.
template <typename T> using PerLanguage = std::array<T, kLanguageCount>;

// Everything one language writes. The language command writes the same texts as start-up but
// for Option2's caption and the protein tool tip, which it spells its own way in English.
struct Catalogue {
    Language language;
    Text option1; // the male option's caption, which also names the language
    Text option2AtStart, option2ByCommand;
    Five labels;
    Text bmrTip, dcnTip, dpnTipAtStart, dpnTipByCommand;
    UnitCaptions metric, imperial;
    Disclaimer disclaimer;
    Text copy; // the result labels' context menu
    // What the window says while the results are hidden: the hint in the result area when only
    // the sex is missing, and for a screen reader the box still to fill or numbers that give
    // no result.
    Text chooseSex, missing, noResults;
    // The results' working: the context menu's item, which is also its box's title, and the
    // word before the activity level's number.
    Text working, level;
    // Full names of the locale's first weekday that start the program in this language.
    std::array<std::string_view, 2> firstWeekdays;
    // The working's unit after the age, and the name of Katch-McArdle's lean mass.
    Text years, leanMass;
    // The targets for a goal: the context menu's item, which is also its box's title; a line's
    // pace, where %1 is the amount and %2 its unit; the marks of a low target, where %1 is the
    // floor; the closing line, where %1 is the energy of a kilogram or pound and %2 its name.
    Text targets, lose, maintain, gain, belowBmr, belowFloor, targetsNote, kilogram, pound;
};

// Every language's catalogue, one row a language in the order of the enum: a row short does
// not compile.
inline constexpr std::array<Catalogue, kLanguageCount> kLanguages = {{
    {
        .language = Language::Italian,
        .option1 = "Lui",
        .option2AtStart = "                 Lei",
        .option2ByCommand = "                 Lei",
        .labels = {"Età", "Peso", "Altezza", "Grasso %", "Livello di attività"},
        .bmrTip = "Fabbisogno calorico giornaliero a riposo",
        .dcnTip = "Fabbisogno calorico giornaliero in base allo stile di vita",
        .dpnTipAtStart = "Fabbisogno proteico giornaliero",
        .dpnTipByCommand = "Fabbisogno proteico giornaliero",
        .metric = {.weight = "Peso [Kg]", .height = "Altezza [Cm]"},
        .imperial = {.weight = "Peso [Lb]", .height = "Altezza [In]"},
        .disclaimer = {.title = "ATTENZIONE",
                       .firstLine =
                           "I dati prodotti da questo software hanno carattere puramente didattico",
                       .secondLine = "e non devono assolutamente sostituire le indicazioni "
                                     "fornite da un medico !"},
        .copy = "Copia",
        .chooseSex = "Scegli Lui o Lei",
        .missing = "Manca: ",
        .noResults = "Nessun risultato con questi numeri",
        .working = "Come si calcola?",
        .level = "livello",
        .firstWeekdays = {"lunedì", "lunedí"},
        .years = "anni",
        .leanMass = "Massa magra",
        .targets = "Obiettivi",
        .lose = "Perdere %1 %2 a settimana",
        .maintain = "Mantenere il peso",
        .gain = "Aumentare di %1 %2 a settimana",
        .belowBmr = "sotto il tuo BMR",
        .belowFloor = "sotto %1 Cal: solo sotto controllo medico",
        .targetsNote = "%1 Cal per %2 valgono per le prime settimane: man mano che il peso "
                       "scende, il calo rallenta.",
        .kilogram = "chilogrammo",
        .pound = "libbra",
    },
    {
        .language = Language::English,
        .option1 = "Him",
        .option2AtStart = "                 Her",
        .option2ByCommand = "                Her",
        .labels = {"Age", "Weight", "Height", "Fat %", "Activity level"},
        .bmrTip = "Daily caloric need at total rest",
        .dcnTip = "Daily caloric need adjusted for usual lifestyle",
        .dpnTipAtStart = "Daily proteic requirment",
        .dpnTipByCommand = "Daily proteic requirement",
        .metric = {.weight = "Weight [Kg]", .height = "Height [Cm]"},
        .imperial = {.weight = "Weight [Lb]", .height = "Height [In]"},
        .disclaimer = {.title = "WARNING",
                       .firstLine = "All info provided by this software is offered for "
                                    "educational purposes only",
                       .secondLine = "and is not intended to replace the guidance of a "
                                     "healthcare professional !"},
        .copy = "Copy",
        .chooseSex = "Choose Him or Her",
        .missing = "Missing: ",
        .noResults = "No results for these numbers",
        .working = "How is this computed?",
        .level = "level",
        .firstWeekdays = {},
        .years = "years",
        .leanMass = "Lean mass",
        .targets = "Targets",
        .lose = "Lose %1 %2 a week",
        .maintain = "Maintain",
        .gain = "Gain %1 %2 a week",
        .belowBmr = "below your BMR",
        .belowFloor = "below %1 Cal: only under medical supervision",
        .targetsNote = "%1 Cal a %2 holds for the first weeks only: as weight falls, the loss "
                       "slows.",
        .kilogram = "kilogram",
        .pound = "pound",
    },
}};
static_assert(
    [] {
        for (std::size_t i = 0; i < kLanguages.size(); ++i)
            if (kLanguages[i].language != Language(i))
                return false;
        return true;
    }(),
    "kLanguages: one catalogue for each language, in the order of the enum Language");

// The catalogue of a language.
const Catalogue& catalogue(Language language);

// The language a caption of Option1 names, exactly and case-sensitively; none for any other
// text.
std::optional<Language> languageOf(std::string_view caption);

// The language the language command turns to: the next one in kLanguages, after the last the
// first.
Language nextLanguage(Language language);

// The language the program starts in, from the full name of the locale's first weekday: the
// language that lists that name, and English when none does.
Language startLanguage(std::string_view firstWeekdayName);

} // namespace texts
