#include "texts.h"

namespace texts {
namespace {

// The language texts side by side, Italian and English at start-up, in the order of TextSet.
constexpr std::array<std::array<Text, 2>, 15> kSideBySide = {{
    {"Lui", "Him"},
    {"                 Lei", "                 Her"},
    {"Età", "Age"},
    {"Peso", "Weight"},
    {"Altezza", "Height"},
    {"Grasso %", "Fat %"},
    {"Livello di attività", "Activity level"},
    {"Fabbisogno calorico giornaliero a riposo", "Daily caloric need at total rest"},
    {"Fabbisogno calorico giornaliero in base allo stile di vita",
     "Daily caloric need adjusted for usual lifestyle"},
    {"Fabbisogno proteico giornaliero", "Daily proteic requirment"},
    {"Sedentario", "Sedentary"},
    {"Poca attività fisica", "Little physical activity"},
    {"Attività fisica moderata", "Moderate physical activity "},
    {"Sportivo o attività fisica frequente", "Hard physical activity"},
    {"Sport agonistico o quotidiana manovalanza pesante",
     "Professional athelete or daily heavy manual labor"},
}};

TextSet column(Language language) {
    const auto at = std::size_t(language == Language::English);
    auto row = [at](std::size_t index) { return kSideBySide[index][at]; };
    auto five = [&row](std::size_t first) {
        return Five{row(first), row(first + 1), row(first + 2), row(first + 3), row(first + 4)};
    };
    return {row(0), row(1), five(2), row(7), row(8), row(9), five(10)};
}

} // namespace

const TextSet kItalian = column(Language::Italian);
const TextSet kEnglishAtStartup = column(Language::English);

// The language command writes English with one space less before "Her" and the protein tool
// tip spelled right.
const TextSet kEnglishByCommand = [] {
    TextSet set = kEnglishAtStartup;
    set.option2 = "                Her";
    set.dpnTip = "Daily proteic requirement";
    return set;
}();

std::optional<Language> languageOf(const QString& caption) {
    if (caption == kItalian.option1)
        return Language::Italian;
    if (caption == kEnglishAtStartup.option1)
        return Language::English;
    return std::nullopt;
}

Language startLanguage(const QString& firstWeekdayName) {
    return firstWeekdayName == u"lunedì" || firstWeekdayName == u"lunedí" ? Language::Italian
                                                                          : Language::English;
}

UnitCaptions unitCaptions(Language language, bool metric) {
    if (language == Language::Italian)
        return metric ? UnitCaptions{"Peso [Kg]", "Altezza [Cm]"}
                      : UnitCaptions{"Peso [Lb]", "Altezza [In]"};
    return metric ? UnitCaptions{"Weight [Kg]", "Height [Cm]"}
                  : UnitCaptions{"Weight [Lb]", "Height [In]"};
}

const Disclaimer& disclaimer(Language language) {
    static const Disclaimer italian = {
        "ATTENZIONE", "I dati prodotti da questo software hanno carattere puramente didattico",
        "e non devono assolutamente sostituire le indicazioni fornite da un medico !"};
    static const Disclaimer english = {
        "WARNING", "All info provided by this software is offered for educational purposes only",
        "and is not intended to replace the guidance of a healthcare professional !"};
    return language == Language::Italian ? italian : english;
}

Text copyCommand(Language language) {
    return language == Language::Italian ? "Copia" : "Copy";
}

} // namespace texts
