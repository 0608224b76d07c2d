#include "texts.h"

const TextSet kItalian = {
    "Lui",
    "                 Lei",
    {"Età", "Peso", "Altezza", "Grasso %", "Livello di attività"},
    "Fabbisogno calorico giornaliero a riposo",
    "Fabbisogno calorico giornaliero in base allo stile di vita",
    "Fabbisogno proteico giornaliero",
    {"Sedentario", "Poca attività fisica", "Attività fisica moderata",
     "Sportivo o attività fisica frequente", "Sport agonistico o quotidiana manovalanza pesante"},
};

const TextSet kEnglishAtStartup = {
    "Him",
    "                 Her",
    {"Age", "Weight", "Height", "Fat %", "Activity level"},
    "Daily caloric need at total rest",
    "Daily caloric need adjusted for usual lifestyle",
    "Daily proteic requirment",
    {"Sedentary", "Little physical activity", "Moderate physical activity ",
     "Hard physical activity", "Professional athelete or daily heavy manual labor"},
};

// The language command writes English with one space less before "Her" and the protein tool
// tip spelled right.
const TextSet kEnglishByCommand = [] {
    TextSet set = kEnglishAtStartup;
    set.option2 = "                Her";
    set.dpnTip = "Daily proteic requirement";
    return set;
}();
