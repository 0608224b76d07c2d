// The formulas, the validity of the inputs and the tidying of the boxes, as pure functions.
#include "calc/metabolic.h"
#include "calc/targets.h"
#include "calc/working.h"
#include "reference.h"

#include <QTest>

#include <algorithm>

using namespace ventrimo;

Q_DECLARE_METATYPE(ventrimo::Formula)
Q_DECLARE_METATYPE(ventrimo::Sex)
Q_DECLARE_METATYPE(ventrimo::UnitSystem)
Q_DECLARE_METATYPE(reference::Case)
Q_DECLARE_METATYPE(reference::Target)

namespace {

Inputs inputs(Formula formula, Sex sex, UnitSystem units, const QStringList& boxes) {
    Inputs in;
    for (std::size_t i = 0; i < kBoxCount; ++i)
        in.text[i] = boxes.value(int(i)).toStdString();
    for (const LevelChoice& level : kLevels) // the multipliers the level buttons carry
        in.activityTag[std::size_t(level.value)] = level.tag;
    in.formula = formula;
    in.sex = sex;
    in.units = units;
    return in;
}

} // namespace

class CalculationTest : public QObject {
    Q_OBJECT

  private slots:
    void results_data();
    void results();
    void everyChoiceHasExpectedResults();
    void validity_data();
    void validity();
    void clampedLevel_data();
    void clampedLevel();
    void normalisedTurnsPointsIntoCommas();
    void captions();
    void working_data() { results_data(); }
    void working();
    void targets_data();
    void targets();
};

void CalculationTest::results_data() {
    QTest::addColumn<reference::Case>("row");
    for (const reference::Case& row : reference::kCases)
        QTest::newRow(row.name) << row;
}

namespace {

// The product's choices a reference row names: its formula by the menu item's caption, its sex
// and unit system by the option and the unit item it stands for.
struct Choices {
    const FormulaChoice* formula;
    Sex sex;
    UnitSystem units;
};
Choices choicesOf(const reference::Case& row) {
    const QString item = reference::kFormulaItems[int(row.formula)];
    const auto formula = std::ranges::find_if(kFormulas, [&](const FormulaChoice& choice) {
        return item == QString::fromUtf8(choice.name.c_str());
    });
    // The reference lists the sexes in the options' order: none, him, her.
    const Sex sex = std::array{Sex::None, Sex::Male, Sex::Female}.at(std::size_t(row.sex));
    return {formula == kFormulas.end() ? nullptr : &*formula, sex,
            row.imperial ? UnitSystem::Imperial : UnitSystem::Metric};
}

} // namespace

// The boxes as the window leaves them, then the calculation and the captions it gives.
void CalculationTest::results() {
    QFETCH(reference::Case, row);
    const Choices choices = choicesOf(row);
    QVERIFY2(choices.formula, "the row's formula is in the formula list");
    const Inputs in =
        Normalised(inputs(choices.formula->value, choices.sex, choices.units, row.boxes));
    QVERIFY(InputsValid(in));
    const std::optional<Results> results = Calculate(in);
    QVERIFY(results);
    QCOMPARE((QStringList{QString::fromStdString(ResultCaption("BMR ", results->bmr, " Cal")),
                          QString::fromStdString(ResultCaption("DCN ", results->dcn, " Cal")),
                          QString::fromStdString(ResultCaption("DPN ", results->dpn, " Grm"))}),
             row.captions);
}

// Every formula under every sex it can compute for and every unit system has expected results
// (the rows that tell its constants apart), so a new row of a list cannot go unchecked.
void CalculationTest::everyChoiceHasExpectedResults() {
    for (const FormulaChoice& formula : kFormulas)
        for (const SexChoice& sex : kSexes)
            for (const UnitChoice& units : kUnitSystems) {
                if (formula.needsSex && sex.value == Sex::None)
                    continue;
                const bool found = std::ranges::any_of(reference::kCases, [&](const auto& row) {
                    const Choices choices = choicesOf(row);
                    return choices.formula == &formula && choices.sex == sex.value &&
                           choices.units == units.value;
                });
                QVERIFY2(found, qPrintable(QString("no expected results for %1, sex %2, %3")
                                               .arg(formula.name.c_str())
                                               .arg(int(sex.value))
                                               .arg(units.item.c_str())));
            }
}

void CalculationTest::validity_data() {
    QTest::addColumn<Formula>("formula");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("valid");

    const auto mifflin = Formula::MifflinStJeor;
    const auto harris = Formula::HarrisBenedict;
    const auto katch = Formula::KatchMcArdle;
    const auto male = Sex::Male;

    QTest::newRow("start") << mifflin << male << QStringList{"", "", "", "", "1"} << false;
    QTest::newRow("all four") << mifflin << male << QStringList{"30", "80", "180", "", "3"} << true;
    QTest::newRow("harris all four")
        << harris << male << QStringList{"30", "80", "180", "", "3"} << true;
    QTest::newRow("fat does not matter")
        << mifflin << male << QStringList{"30", "80", "180", "xx", "3"} << true;
    QTest::newRow("no age") << mifflin << male << QStringList{"", "80", "180", "", "3"} << false;
    QTest::newRow("no weight") << mifflin << male << QStringList{"30", "", "180", "", "3"} << false;
    QTest::newRow("no height") << mifflin << male << QStringList{"30", "80", "", "", "3"} << false;
    QTest::newRow("no level") << harris << male << QStringList{"30", "80", "180", "", ""} << false;
    QTest::newRow("zero") << mifflin << male << QStringList{"0", "80", "180", "", "3"} << false;
    QTest::newRow("negative") << mifflin << male << QStringList{"-5", "80", "180", "", "3"}
                              << false;
    QTest::newRow("unit typed") << mifflin << male << QStringList{"30", "5kg", "180", "", "3"}
                                << false;
    QTest::newRow("decimal comma")
        << mifflin << male << QStringList{"30", "70,5", "180", "", "3"} << true;
    QTest::newRow("zero comma five")
        << mifflin << male << QStringList{"30", "0,5", "180", "", "3"} << false;
    QTest::newRow("level seven") << mifflin << male << QStringList{"30", "80", "180", "", "7"}
                                 << true;
    QTest::newRow("no sex") << mifflin << Sex::None << QStringList{"30", "80", "180", "", "3"}
                            << false;
    QTest::newRow("harris no sex")
        << harris << Sex::None << QStringList{"30", "80", "180", "", "3"} << false;
    QTest::newRow("beyond single")
        << mifflin << male << QStringList{"30", "9E99", "180", "", "3"} << false;
    QTest::newRow("result beyond single")
        << mifflin << male << QStringList{"30", "9E37", "180", "", "3"} << false;
    QTest::newRow("katch two boxes")
        << katch << male << QStringList{"", "80", "", "20", "3"} << true;
    QTest::newRow("katch without sex")
        << katch << Sex::None << QStringList{"", "80", "", "20", "3"} << true;
    QTest::newRow("katch no fat") << katch << male << QStringList{"30", "80", "180", "", "3"}
                                  << false;
    QTest::newRow("katch level zero")
        << katch << male << QStringList{"", "80", "", "20", "0"} << true;
    QTest::newRow("katch empty level")
        << katch << male << QStringList{"", "80", "", "20", ""} << false;
    QTest::newRow("katch letter level")
        << katch << male << QStringList{"", "80", "", "20", "x"} << false;
    QTest::newRow("no longer a number once rewritten")
        << mifflin << male << QStringList{"30", "1,2,3", "180", "", "3"} << false;
}

void CalculationTest::validity() {
    QFETCH(Formula, formula);
    QFETCH(Sex, sex);
    QFETCH(QStringList, boxes);
    QFETCH(bool, valid);
    QCOMPARE(InputsValid(inputs(formula, sex, UnitSystem::Metric, boxes)), valid);
}

void CalculationTest::clampedLevel_data() {
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("clamped");                              // empty: left as it is
    const QString top = QString::number(reference::kLevelTags.size()); // the highest level
    QTest::newRow("zero") << "0"
                          << "1";
    QTest::newRow("nine") << "9" << top;
    QTest::newRow("in range") << "3"
                              << "";
    QTest::newRow("fraction in range") << "4,5"
                                       << "";
    QTest::newRow("just above") << top + ",1" << top;
    QTest::newRow("negative") << "-2"
                              << "1";
    QTest::newRow("not a number") << "x"
                                  << "";
}

void CalculationTest::clampedLevel() {
    QFETCH(QString, level);
    QFETCH(QString, clamped);
    const std::optional<std::string> result = ClampedLevel(level.toStdString());
    QCOMPARE(result ? QString::fromStdString(*result) : QString(), clamped);
}

void CalculationTest::normalisedTurnsPointsIntoCommas() {
    Inputs in = inputs(Formula::MifflinStJeor, Sex::Male, UnitSystem::Metric,
                       {"3.0", "70.5", "1.8.0", "", "9"});
    const Inputs out = Normalised(in);
    QCOMPARE(out.text[Age], "3,0");
    QCOMPARE(out.text[Weight], "70,5");
    QCOMPARE(out.text[Height], "1,8,0");
    QCOMPARE(QString::fromStdString(out.text[ActivityLevel]),
             QString::number(reference::kLevelTags.size()));
}

void CalculationTest::captions() {
    QCOMPARE(ResultCaption("BMR ", 1780, " Cal"), "BMR  1780 Cal");
    QCOMPARE(ResultCaption("DCN ", -768, " Cal"), "DCN -768 Cal");
    QCOMPARE(ResultCaption("DPN ", -0.0f, " Grm"), "DPN  0 Grm");
}

// The working of every row: its inputs with their units and its formula's coefficients, the
// level's multiplier in the DCN line, the weight in the DPN line, each result line ending in the
// result its label shows, and no number with more than two decimals but a coefficient; some rows
// whole, with "≈" where two decimals hide digits and only there, "→" the rounding shown.
void CalculationTest::working() {
    QFETCH(reference::Case, row);
    const Choices choices = choicesOf(row);
    QVERIFY(choices.formula);
    const Inputs in =
        Normalised(inputs(choices.formula->value, choices.sex, choices.units, row.boxes));
    const auto lines = Working(in, texts::catalogue(texts::Language::English));
    QVERIFY(lines);
    QStringList working;
    for (const std::string& line : *lines)
        working << QString::fromStdString(line);
    const QString all = working.join('\n');
    const QString formula = " (" + reference::kFormulaItems[int(row.formula)].trimmed() + ")";
    for (int i = 0; i < 3; ++i) {
        const QStringList result =
            working.filter(QRegularExpression('^' + row.captions[i].left(4) + "= "));
        QVERIFY2(result.size() == 1 &&
                     result[0].endsWith(row.captions[i].mid(5) + (i ? "" : formula)),
                 qPrintable(all));
    }
    auto typed = [&row](int box) { // as the calculation reads it
        return QString::number(QString(row.boxes[box]).replace(',', '.').toDouble())
            .replace('.', ',');
    };
    const QStringList units = row.imperial ? reference::kImperialUnits : reference::kMetricUnits;
    for (int box = 0; box < 4; ++box)
        if (!row.boxes[box].isEmpty())
            QVERIFY2(all.contains(typed(box) + ' ' + units[box]),
                     qPrintable(all + " lacks " + typed(box) + ' ' + units[box]));
    const auto coefficients = std::ranges::find_if(reference::kCoefficients, [&](const auto& c) {
        return c.formula == row.formula && c.imperial == row.imperial &&
               (c.sex == reference::Sex::None || c.sex == row.sex);
    });
    QVERIFY(coefficients != reference::kCoefficients.end());
    for (const QString& written : coefficients->written)
        QVERIFY2(all.contains(written), qPrintable(all + " lacks " + written));
    const int level = qBound(1, row.boxes[4].toInt(), int(reference::kLevelTags.size()));
    QVERIFY2(all.contains(" × " + reference::kLevelTags[level - 1] + " (level " +
                          QString::number(level) + ": "),
             qPrintable(all));
    QVERIFY(
        all.contains(row.imperial ? typed(1) + " lb ÷ 2,2046 ≈ " : "DPN = " + typed(1) + " kg × "));
    const QRegularExpression longNumber("\\d+,\\d{3,}");
    for (auto match = longNumber.globalMatch(all); match.hasNext();)
        QVERIFY2(reference::kLongCoefficients.contains(match.next().captured()), qPrintable(all));
    if (reference::kWorkings.contains(row.name))
        QCOMPARE(working, reference::kWorkings[row.name]);
}

// A line of the targets: each pace of each unit system, and the marks of a low target.
void CalculationTest::targets_data() {
    QTest::addColumn<reference::Target>("row");
    for (const reference::Target& row : reference::kTargetLines)
        QTest::addRow("%s", qPrintable(row.written)) << row;
}

void CalculationTest::targets() {
    QFETCH(reference::Target, row);
    const std::vector<std::string> lines = Targets(
        row.dcn, row.bmr, std::array{Sex::None, Sex::Male, Sex::Female}.at(std::size_t(row.sex)),
        row.imperial ? UnitSystem::Imperial : UnitSystem::Metric,
        texts::catalogue(row.italian ? texts::Language::Italian : texts::Language::English));
    QCOMPARE(lines.size(), std::size_t(7));
    QCOMPARE(QString::fromStdString(lines[std::size_t(row.line)]), row.written);
}

QTEST_APPLESS_MAIN(CalculationTest)
#include "tst_calculation.moc"
