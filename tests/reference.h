// What the window must show, written out from the program's design tables on their own, apart
// from the product's tables: the texts, the colours (in the stored form of the design, red in
// the low byte), the places of the controls in twips, and the results of a set of inputs. Tests
// read their expectations from here and nowhere else.
#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace reference {

// ---- Texts --------------------------------------------------------------------------------

inline const QString kSeventeen(17, u' ');
inline const QString kSixteen(16, u' ');

// The fifteen language-dependent texts in the order the window writes them, with the weight
// and height captions as they show with centimetres and kilograms.
inline const QStringList kItalian = {"Lui",
                                     kSeventeen + "Lei",
                                     "Età",
                                     "Peso [Kg]",
                                     "Altezza [Cm]",
                                     "Grasso %",
                                     "Livello di attività",
                                     "Fabbisogno calorico giornaliero a riposo",
                                     "Fabbisogno calorico giornaliero in base allo stile di vita",
                                     "Fabbisogno proteico giornaliero",
                                     "Sedentario",
                                     "Poca attività fisica",
                                     "Attività fisica moderata",
                                     "Sportivo o attività fisica frequente",
                                     "Sport agonistico o quotidiana manovalanza pesante"};

inline const QStringList kEnglishAtStart = {"Him",
                                            kSeventeen + "Her",
                                            "Age",
                                            "Weight [Kg]",
                                            "Height [Cm]",
                                            "Fat %",
                                            "Activity level",
                                            "Daily caloric need at total rest",
                                            "Daily caloric need adjusted for usual lifestyle",
                                            "Daily proteic requirment",
                                            "Sedentary",
                                            "Little physical activity",
                                            "Moderate physical activity ",
                                            "Hard physical activity",
                                            "Professional athelete or daily heavy manual labor"};

// The language command's English: one space less before "Her", the protein tool tip spelled
// right.
inline const QStringList kEnglishByCommand = [] {
    QStringList texts = kEnglishAtStart;
    texts[1] = kSixteen + "Her";
    texts[9] = "Daily proteic requirement";
    return texts;
}();

struct UnitCaptions {
    bool italian;
    bool imperial;
    QString weight;
    QString height;
};
inline const QList<UnitCaptions> kUnitCaptions = {
    {true, false, "Peso [Kg]", "Altezza [Cm]"},
    {false, false, "Weight [Kg]", "Height [Cm]"},
    {true, true, "Peso [Lb]", "Altezza [In]"},
    {false, true, "Weight [Lb]", "Height [In]"},
};

struct Box {
    QString title;
    QString message; // the two lines joined by a lone carriage return
};
inline const Box kItalianDisclaimer = {
    "ATTENZIONE", "I dati prodotti da questo software hanno carattere puramente didattico\r"
                  "e non devono assolutamente sostituire le indicazioni fornite da un medico !"};
inline const Box kEnglishDisclaimer = {
    "WARNING", "All info provided by this software is offered for educational purposes only\r"
               "and is not intended to replace the guidance of a healthcare professional !"};

inline const QString kTitle = "Ventrimo";
inline const QString kCredit = "Brought 2 u by Quillan";
inline const QString kBuildDate = "28/04/2012";
inline const QString kWebAddress = "https://example.org";
inline const QString kLevelRange = "1 - 5";
inline const QStringList kLevelTags = {"1,2", "1,375", "1,55", "1,725", "1,9"};

inline const QStringList kMenuBar = {"Mifflin-St Jeor", "Cm ; Kg", "Ita/Eng", "WEB", "[ (!) ]"};
inline const QStringList kFormulaItems = {"Mifflin-St Jeor ", "Herris-Benedict", "Katch-McArdle"};
inline const QStringList kUnitItems = {"Cm ; Kg", "Inches ; Pounds"};
// Weight tool tip, height tool tip and menu title that each unit system writes.
inline const QStringList kMetricChoice = {"Kg", "Cm", "Cm;Kg"};
inline const QStringList kImperialChoice = {"Pounds", "Inch.", "Inch.;Pound"};

// The results' working: the context menu's item and the box's title.
inline const QString kWorkingEnglish = "How is this computed?";
inline const QString kWorkingItalian = "Come si calcola?";
// The targets for a goal, in English and Italian: the context menu's last item, the box's title.
inline const QStringList kTargets = {"Targets", "Obiettivi"};

// ---- Colours ------------------------------------------------------------------------------

// A colour as the design stores it: red in the low byte, then green, then blue.
inline QColor stored(quint32 value) {
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

struct Theme {
    const char* name;
    QColor window; // also the two sex options
    QColor levelButtons;
    QColor bands;
    QColor boxes;
    QColor dcnText;
};
inline const Theme kStart = {"start",         stored(4210752), stored(8421504),
                             stored(4210752), stored(8421504), stored(16777215)};
inline const Theme kMale = {"male",          stored(16777152), stored(12632064),
                            stored(8421376), stored(16777088), stored(8388608)};
inline const Theme kFemale = {"female",         stored(16761087), stored(16711935),
                              stored(16744703), stored(12632319), stored(8388736)};
inline const QColor kOption3Back = stored(16512); // #804000

// ---- Layout -------------------------------------------------------------------------------

inline constexpr int kTwipsPerPixel = 15;

struct Place {
    QString control; // as the design names it: "text(1)", "Command1(4)", "Option2"
    int left, top, width, height;
};
// The controls whose size the design fixes, in twips.
inline const QList<Place> kPlaces = {
    {"Option3", 2160, 0, 975, 735},         {"text(3)", 3360, 3480, 1335, 435},
    {"text(2)", 3360, 2640, 1335, 435},     {"text(1)", 3360, 1800, 1335, 435},
    {"Command1(4)", 4320, 4920, 1095, 375}, {"Command1(3)", 3240, 4920, 1095, 375},
    {"Command1(2)", 2160, 4920, 1095, 375}, {"Command1(1)", 1080, 4920, 1095, 375},
    {"Command1(0)", 0, 4920, 1095, 375},    {"text(0)", 3360, 960, 1335, 435},
    {"Option2", 3240, 0, 2055, 735},        {"Option1", 120, 0, 2175, 735},
    {"text(4)", 3360, 4320, 1335, 435},     {"Shape(0)", 0, 840, 5775, 735},
    {"Shape(1)", -120, 1680, 5775, 735},    {"Shape(4)", 0, 4200, 5775, 735},
    {"Shape(2)", 0, 2520, 5775, 735},       {"Shape(3)", -120, 3360, 5775, 735},
};
inline constexpr int kClientWidth = 5400;
inline constexpr int kClientHeight = 7590;

// Font sizes in points; every font is bold.
struct Font {
    QString control;
    double points;
};
inline const QList<Font> kFonts = {{"Option1", 14.25}, {"text(0)", 15.75},  {"Command1(0)", 12},
                                   {"Label(0)", 18},   {"DPNlabel", 20.25}, {"BMRLabel", 21.75},
                                   {"DCNLabel", 21.75}};

// Most characters each box takes: age, weight, height, fat, level.
inline const QList<int> kMaxLengths = {2, 5, 5, 2, 1};

// ---- Results ------------------------------------------------------------------------------

enum class Formula { Mifflin, Herris, Katch };
enum class Sex { None, Male, Female };

struct Case {
    const char* name;
    Formula formula;
    Sex sex;
    bool imperial;
    QStringList boxes;    // age, weight, height, fat, level, as typed
    QStringList captions; // BMRLabel, DCNLabel, DPNlabel
};

// The coefficients each formula row computes with, as its working writes them.
struct Coefficients {
    Formula formula;
    Sex sex; // None: either sex
    bool imperial;
    QStringList written;
};
inline const QList<Coefficients> kCoefficients = {
    {Formula::Mifflin, Sex::Male, false, {"10 × ", "6,25 × ", "5 × ", "+ 5 "}},
    {Formula::Mifflin, Sex::Female, false, {"10 × ", "6,25 × ", "5 × ", "− 161"}},
    {Formula::Mifflin, Sex::Male, true, {"10 × ", "2,2046", "6,25 × ", "0,3937", "5 × ", "+ 5 "}},
    {Formula::Mifflin,
     Sex::Female,
     true,
     {"10 × ", "2,2046", "6,25 × ", "0,3937", "5 × ", "− 161"}},
    {Formula::Herris, Sex::Male, false, {"13,75 × ", "+ 66,5 +", "5,003 × ", "6,755 × "}},
    {Formula::Herris, Sex::Female, false, {"9,563 × ", "+ 655,1 +", "1,85 × ", "4,676 × "}},
    {Formula::Herris, Sex::Male, true, {"6,23 × ", "+ 66 +", "12,7 × ", "6,76 × "}},
    {Formula::Herris, Sex::Female, true, {"4,35 × ", "+ 655 +", "4,7 × ", "4,676 × "}},
    {Formula::Katch, Sex::None, false, {"370 + 21,6 × "}},
    {Formula::Katch, Sex::None, true, {"370 + 21,6 × ", "2,2046"}},
};

// The only numbers of a working with more than two decimals: coefficients and multipliers.
inline const QStringList kLongCoefficients = {"6,755",  "5,003",  "9,563", "4,676",
                                              "2,2046", "0,3937", "1,375", "1,725"};
// The units the working writes after age, weight, height and fat.
inline const QStringList kMetricUnits = {"years", "kg", "cm", "%"};
inline const QStringList kImperialUnits = {"years", "lb", "in", "%"};

// Each row as the user types it. The rows after "seventy and a half" each tell one precision
// step apart from its neighbours: a value stored as a single where the formula says so, a
// divisor or product kept in double precision where it says that, and the order of the
// female imperial Mifflin-St Jeor row. The rows from "harris male imperial" on complete the
// formula, sex and unit rows so that one step of the last digit of any constant a row uses
// changes a caption of one of its cases.
// clang-format off
inline const QList<Case> kCases = {
    {"mifflin level 3", Formula::Mifflin, Sex::Male, false, {"30", "80", "180", "", "3"},
     {"BMR  1780 Cal", "DCN  2759 Cal", "DPN  128 Grm"}},
    {"mifflin level 1", Formula::Mifflin, Sex::Male, false, {"30", "80", "180", "", "1"},
     {"BMR  1780 Cal", "DCN  2136 Cal", "DPN  96 Grm"}},
    {"mifflin level 2", Formula::Mifflin, Sex::Male, false, {"30", "80", "180", "", "2"},
     {"BMR  1780 Cal", "DCN  2448 Cal", "DPN  112 Grm"}},
    {"mifflin level 4", Formula::Mifflin, Sex::Male, false, {"30", "80", "180", "", "4"},
     {"BMR  1780 Cal", "DCN  3070 Cal", "DPN  144 Grm"}},
    {"mifflin level 5", Formula::Mifflin, Sex::Male, false, {"30", "80", "180", "", "5"},
     {"BMR  1780 Cal", "DCN  3382 Cal", "DPN  176 Grm"}},
    {"mifflin female", Formula::Mifflin, Sex::Female, false, {"30", "80", "180", "", "3"},
     {"BMR  1614 Cal", "DCN  2502 Cal", "DPN  112 Grm"}},
    {"mifflin older", Formula::Mifflin, Sex::Male, false, {"40", "80", "180", "", "3"},
     {"BMR  1730 Cal", "DCN  2682 Cal", "DPN  128 Grm"}},
    {"mifflin imperial, the metric digits", Formula::Mifflin, Sex::Male, true, {"30", "80", "180", "", "1"},
     {"BMR  3075 Cal", "DCN  3690 Cal", "DPN  44 Grm"}},
    {"harris level 3", Formula::Herris, Sex::Male, false, {"30", "80", "180", "", "3"},
     {"BMR  1864 Cal", "DCN  2889 Cal", "DPN  128 Grm"}},
    {"harris level 1", Formula::Herris, Sex::Male, false, {"30", "80", "180", "", "1"},
     {"BMR  1864 Cal", "DCN  2237 Cal", "DPN  96 Grm"}},
    {"tie to even", Formula::Mifflin, Sex::Male, false, {"31", "50", "170", "", "2"},
     {"BMR  1412 Cal", "DCN  1942 Cal", "DPN  70 Grm"}},
    {"harris rounds before the factor", Formula::Herris, Sex::Male, false, {"25", "62", "170", "", "5"},
     {"BMR  1601 Cal", "DCN  3042 Cal", "DPN  136 Grm"}},
    {"harris female", Formula::Herris, Sex::Female, false, {"40", "60", "165", "", "2"},
     {"BMR  1347 Cal", "DCN  1852 Cal", "DPN  72 Grm"}},
    {"katch male", Formula::Katch, Sex::Male, false, {"", "80", "", "20", "3"},
     {"BMR  1752 Cal", "DCN  2716 Cal", "DPN  128 Grm"}},
    {"katch female", Formula::Katch, Sex::Female, false, {"", "80", "", "20", "3"},
     {"BMR  1752 Cal", "DCN  2716 Cal", "DPN  112 Grm"}},
    {"katch without a sex", Formula::Katch, Sex::None, false, {"", "80", "", "20", "3"},
     {"BMR  1752 Cal", "DCN  2716 Cal", "DPN  112 Grm"}},
    {"katch imperial", Formula::Katch, Sex::Female, true, {"", "176", "", "20", "4"},
     {"BMR  1750 Cal", "DCN  3018 Cal", "DPN  128 Grm"}},
    {"mifflin imperial", Formula::Mifflin, Sex::Male, true, {"30", "176", "71", "", "1"},
     {"BMR  1780 Cal", "DCN  2137 Cal", "DPN  96 Grm"}},
    {"negative results", Formula::Mifflin, Sex::Female, false, {"99", "1", "1", "", "1"},
     {"BMR -640 Cal", "DCN -768 Cal", "DPN  1 Grm"}},
    {"level seven is level five", Formula::Mifflin, Sex::Male, false, {"30", "80", "180", "", "7"},
     {"BMR  1780 Cal", "DCN  3382 Cal", "DPN  176 Grm"}},
    {"seventy and a half", Formula::Mifflin, Sex::Male, false, {"30", "70.5", "180", "", "3"},
     {"BMR  1685 Cal", "DCN  2612 Cal", "DPN  113 Grm"}},
    {"dcn stored as a single", Formula::Mifflin, Sex::Male, true, {"20", "82", "68", "", "3"},
     {"BMR  1356 Cal", "DCN  2102 Cal", "DPN  60 Grm"}},
    {"pounds per kilogram in double", Formula::Mifflin, Sex::Male, true, {"27", "271", "62", "", "1"},
     {"BMR  2084 Cal", "DCN  2500 Cal", "DPN  148 Grm"}},
    {"katch pounds per kilogram in double", Formula::Katch, Sex::Male, true, {"", "150", "", "29", "2"},
     {"BMR  1413 Cal", "DCN  1944 Cal", "DPN  95 Grm"}},
    {"inches per centimetre in double", Formula::Mifflin, Sex::Male, true, {"44", "75,65", "74", "", "4"},
     {"BMR  1303 Cal", "DCN  2248 Cal", "DPN  62 Grm"}},
    {"ten times the weight as a single", Formula::Mifflin, Sex::Male, false, {"45", "84,70", "152,4", "", "3"},
     {"BMR  1580 Cal", "DCN  2448 Cal", "DPN  136 Grm"}},
    {"female imperial divides ten times the weight", Formula::Mifflin, Sex::Female, true, {"29", "94,36", "60", "", "3"},
     {"BMR  1075 Cal", "DCN  1665 Cal", "DPN  60 Grm"}},
    {"harris stores its first sum", Formula::Herris, Sex::Female, true, {"75", "72", "60", "", "3"},
     {"BMR  899 Cal", "DCN  1393 Cal", "DPN  46 Grm"}},
    {"dpn stored as a single", Formula::Herris, Sex::Male, false, {"63", "127,5", "167,8", "", "5"},
     {"BMR  2234 Cal", "DCN  4245 Cal", "DPN  280 Grm"}},
    {"katch fat mass as a single", Formula::Katch, Sex::Female, true, {"", "350", "", "29", "2"},
     {"BMR  2805 Cal", "DCN  3857 Cal", "DPN  191 Grm"}},
    {"katch lean mass as a single", Formula::Katch, Sex::Female, true, {"", "222", "", "6", "1"},
     {"BMR  2415 Cal", "DCN  2897 Cal", "DPN  101 Grm"}},
    {"katch weight in double", Formula::Katch, Sex::Female, true, {"", "298", "", "10", "3"},
     {"BMR  2998 Cal", "DCN  4646 Cal", "DPN  189 Grm"}},
    {"harris male imperial", Formula::Herris, Sex::Male, true, {"83", "119,2", "55,4", "", "4"},
     {"BMR  951 Cal", "DCN  1640 Cal", "DPN  97 Grm"}},
    {"harris male metric constants", Formula::Herris, Sex::Male, false, {"59", "132", "171", "", "5"},
     {"BMR  2338 Cal", "DCN  4442 Cal", "DPN  290 Grm"}},
    {"harris male metric age factor", Formula::Herris, Sex::Male, false, {"55", "92,0", "184", "", "4"},
     {"BMR  1881 Cal", "DCN  3245 Cal", "DPN  166 Grm"}},
    {"harris female metric constants", Formula::Herris, Sex::Female, false, {"61", "73,9", "180,5", "", "5"},
     {"BMR  1410 Cal", "DCN  2679 Cal", "DPN  148 Grm"}},
    {"harris female metric first constant", Formula::Herris, Sex::Female, false, {"34", "95", "145,9", "", "5"},
     {"BMR  1675 Cal", "DCN  3182 Cal", "DPN  190 Grm"}},
    {"harris female imperial constants", Formula::Herris, Sex::Female, true, {"32", "329", "70", "", "5"},
     {"BMR  2266 Cal", "DCN  4305 Cal", "DPN  298 Grm"}},
    {"mifflin female metric height factor", Formula::Mifflin, Sex::Female, false, {"55", "53,23", "199", "", "2"},
     {"BMR  1340 Cal", "DCN  1843 Cal", "DPN  64 Grm"}},
    {"katch imperial without a sex", Formula::Katch, Sex::None, true, {"", "274,0", "", "12", "5"},
     {"BMR  2732 Cal", "DCN  5192 Cal", "DPN  249 Grm"}},
};
// clang-format on

// The captions the reference expects of these choices and boxes as typed; none when it has no
// such row.
inline QStringList expected(Formula formula, Sex sex, bool imperial, const QStringList& boxes) {
    for (const Case& row : kCases)
        if (row.formula == formula && row.sex == sex && row.imperial == imperial &&
            row.boxes == boxes)
            return row.captions;
    return {};
}
// The results as a screen reader hears them: "BMR 1780 Cal, DCN 2136 Cal, DPN 96 Grm".
inline QString spoken(QStringList captions) {
    return captions.replaceInStrings("  ", " ").join(", ");
}
// The boxes most tests type: age 30, weight 80, height 180, level 3; and their captions.
inline const QStringList kTyped = {"30", "80", "180", "", "3"};
inline QStringList expected(Sex sex = Sex::Male, const QStringList& boxes = kTyped) {
    return expected(Formula::Mifflin, sex, false, boxes);
}

// Whole workings of some rows, as a person writes them.
inline const QHash<QString, QStringList> kWorkings = {
    {"mifflin level 3",
     {"BMR = 10 × 80 kg + 6,25 × 180 cm − 5 × 30 years + 5 = 1780 Cal (Mifflin-St Jeor)",
      "DCN = 1780 × 1,55 (level 3: moderate physical activity) = 2759 Cal",
      "DPN = 80 kg × 1,6 g/kg = 128 Grm"}},
    {"katch male",
     {"Lean mass = 80 kg − 20 % × 80 kg = 64 kg",
      "BMR = 370 + 21,6 × 64 kg = 1752,4 → 1752 Cal (Katch-McArdle)",
      "DCN = 1752,4 × 1,55 (level 3: moderate physical activity) = 2716,22 → 2716 Cal",
      "DPN = 80 kg × 1,6 g/kg = 128 Grm"}},
    {"katch imperial",
     {"176 lb ÷ 2,2046 ≈ 79,83 kg", "Lean mass = 79,83 kg − 20 % × 79,83 kg ≈ 63,87 kg",
      "BMR = 370 + 21,6 × 63,87 kg ≈ 1749,52 → 1750 Cal (Katch-McArdle)",
      "DCN = 1749,52 × 1,725 (level 4: hard physical activity) ≈ 3017,91 → 3018 Cal",
      "DPN = 79,83 kg × 1,6 g/kg ≈ 127,73 → 128 Grm"}},
    {"harris rounds before the factor",
     {"13,75 × 62 kg + 66,5 + 5,003 × 170 cm = 1769,51",
      "BMR = 1769,51 − 6,755 × 25 years ≈ 1600,64 → 1601 Cal (Herris-Benedict)",
      "DCN = 1601 × 1,9 (level 5: professional athelete or daily heavy manual labor) = 3041,9 → "
      "3042 Cal",
      "DPN = 62 kg × 2,2 g/kg = 136,4 → 136 Grm"}},
};

// A line of the targets from the results on screen (daily need, basal rate), the line's index.
// clang-format off
struct Target { float dcn, bmr; Sex sex; bool imperial, italian; int line; QString written; };
inline const QList<Target> kTargetLines = {
    {3042, 1601, Sex::Male, false, false, 0, "Lose 1 kg a week: 3042 − 1100 = 1942 Cal"},
    {3042, 1601, Sex::Male, false, false, 1, "Lose 0,5 kg a week: 3042 − 550 = 2492 Cal"},
    {3042, 1601, Sex::Male, false, false, 2, "Lose 0,25 kg a week: 3042 − 275 = 2767 Cal"},
    {3042, 1601, Sex::Male, false, false, 3, "Maintain: 3042 Cal"},
    {3042, 1601, Sex::Male, false, false, 4, "Gain 0,25 kg a week: 3042 + 275 = 3317 Cal"},
    {3042, 1601, Sex::Male, false, false, 5, "Gain 0,5 kg a week: 3042 + 550 = 3592 Cal"},
    {3042, 1601, Sex::Male, false, false, 6, "7700 Cal a kilogram holds for the first weeks only: as weight falls, the loss slows."},
    {3042, 1601, Sex::Male, true, false, 0, "Lose 2 lb a week: 3042 − 1000 = 2042 Cal"},
    {3042, 1601, Sex::Male, true, false, 1, "Lose 1 lb a week: 3042 − 500 = 2542 Cal"},
    {3042, 1601, Sex::Male, true, false, 2, "Lose ½ lb a week: 3042 − 250 = 2792 Cal"},
    {3042, 1601, Sex::Male, true, false, 4, "Gain ½ lb a week: 3042 + 250 = 3292 Cal"},
    {3042, 1601, Sex::Male, true, false, 5, "Gain 1 lb a week: 3042 + 500 = 3542 Cal"},
    {2136, 1780, Sex::Male, false, false, 0, "Lose 1 kg a week: 2136 − 1100 = 1036 Cal — below your BMR, below 1500 Cal: only under medical supervision"},
    {2136, 1780, Sex::Male, false, false, 1, "Lose 0,5 kg a week: 2136 − 550 = 1586 Cal — below your BMR"},
    {2236, 1136, Sex::Female, false, false, 0, "Lose 1 kg a week: 2236 − 1100 = 1136 Cal — below 1200 Cal: only under medical supervision"},
    {2500, 1300, Sex::Male, false, false, 0, "Lose 1 kg a week: 2500 − 1100 = 1400 Cal — below 1500 Cal: only under medical supervision"},
    {2500, 1300, Sex::Female, false, false, 0, "Lose 1 kg a week: 2500 − 1100 = 1400 Cal"},
    {2250, 1000, Sex::None, false, false, 0, "Lose 1 kg a week: 2250 − 1100 = 1150 Cal — below 1200 Cal: only under medical supervision"},
    {2136, 1780, Sex::Male, true, true, 0, "Perdere 2 lb a settimana: 2136 − 1000 = 1136 Cal — sotto il tuo BMR, sotto 1500 Cal: solo sotto controllo medico"},
    {2136, 1780, Sex::Male, false, true, 6, "7700 Cal per chilogrammo valgono per le prime settimane: man mano che il peso scende, il calo rallenta."},
    {2136, 1780, Sex::Male, true, true, 6, "3500 Cal per libbra valgono per le prime settimane: man mano che il peso scende, il calo rallenta."},
};
// clang-format on

} // namespace reference
