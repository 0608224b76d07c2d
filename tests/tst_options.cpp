// The formula and unit menus, the sex options with their colour themes, and the web command.
#include "window_fixture.h"

#include <QMenuBar>

namespace {

struct ThemeColours {
    QColor window, buttons, bands, boxes, dcnText;
};

const ThemeColours kMale = {QColor("#C0FFFF"), QColor("#00C0C0"), QColor("#008080"),
                            QColor("#80FFFF"), QColor("#000080")};
const ThemeColours kFemale = {QColor("#FFC0FF"), QColor("#FF00FF"), QColor("#FF80FF"),
                              QColor("#FFC0C0"), QColor("#800080")};

void verifyTheme(const Form1& f, const ThemeColours& theme) {
    QCOMPARE(backColor(f.centralWidget()), theme.window);
    QCOMPARE(backColor(f.Option1), theme.window);
    QCOMPARE(backColor(f.Option2), theme.window);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(backColor(f.Command1[i]), theme.buttons);
        QCOMPARE(backColor(f.Shape[i]), theme.bands);
        QCOMPARE(backColor(f.text[i]), theme.boxes);
    }
    QCOMPARE(foreColor(f.DCNLabel), theme.dcnText);
}

// The colour painted at the middle of a control, as the user sees it.
QColor paintedAt(QWidget* control, QPoint point) {
    return control->grab().toImage().pixelColor(point * control->devicePixelRatioF());
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void formulaChoice_data();
    void formulaChoice();
    void choosingTheCurrentFormulaRewritesTheTitle();
    void katchHidesWhileTheFatBoxIsEmpty();
    void formulaChoiceWithInvalidInputsHidesWithoutComputing();
    void unitChoice_data();
    void unitChoice();
    void unitSwitchReadsTheSameDigitsInOtherUnits();
    void storedColours();
    void sexThemes();
    void leiThenLuiEqualsLui();
    void themeIsPainted();
    void switchingSexRecomputes();
    void themeSurvivesTheLanguageCommand();
    void webStartsOncePerChoice();
    void webFailureIsSilent();
};

void OptionsTest::formulaChoice_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("bmr");
    QTest::newRow("Mifflin") << "Mifflin"
                             << "Mifflin-St Jeor "
                             << "BMR  1780 Cal";
    QTest::newRow("Herris") << "Herris"
                            << "Herris-Benedict"
                            << "BMR  1864 Cal";
    QTest::newRow("Katch") << "Katch"
                           << "Katch-McArdle"
                           << "BMR  1752 Cal";
}

void OptionsTest::formulaChoice() {
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QString, bmr);
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "80", "180", "20", "3"});
    f.Katch->trigger(); // start from another formula
    QAction* chosen = item == "Mifflin" ? f.Mifflin : item == "Herris" ? f.Herris : f.Katch;
    chosen->trigger();
    for (QAction* other : {f.Mifflin, f.Herris, f.Katch})
        QCOMPARE(other->isChecked(), other == chosen);
    QCOMPARE(f.Formula->title(), title);
    QVERIFY(w.resultsShown());
    QCOMPARE(f.BMRLabel->text(), bmr);
}

void OptionsTest::choosingTheCurrentFormulaRewritesTheTitle() {
    WindowFixture w;
    Form1& f = *w.form;
    QCOMPARE(f.Formula->title(), "Mifflin-St Jeor");
    f.Mifflin->trigger();
    QVERIFY(f.Mifflin->isChecked() && !f.Herris->isChecked() && !f.Katch->isChecked());
    QCOMPARE(f.Formula->title(), "Mifflin-St Jeor ");
    QVERIFY(w.resultsHidden()); // the refresh ran, on inputs that are not valid
}

void OptionsTest::katchHidesWhileTheFatBoxIsEmpty() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QVERIFY(w.resultsShown());
    f.Katch->trigger();
    QVERIFY(w.resultsHidden());
    w.type(3, "20");
    QVERIFY(w.resultsShown());
    QCOMPARE(f.BMRLabel->text(), "BMR  1752 Cal");
}

void OptionsTest::formulaChoiceWithInvalidInputsHidesWithoutComputing() {
    WindowFixture w;
    Form1& f = *w.form;
    w.type(1, "70.5"); // not computed, so the point stays
    f.Herris->trigger();
    QVERIFY(w.resultsHidden());
    QCOMPARE(f.text[1]->text(), "70.5");
    QCOMPARE(f.BMRLabel->text(), "28/04/2012");
}

void OptionsTest::unitChoice_data() {
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QStringList>("expected"); // weight tip, height tip, title, captions
    QTest::newRow("Cm ; Kg") << false
                             << QStringList{"Kg", "Cm", "Cm;Kg", "Weight [Kg]", "Height [Cm]"};
    QTest::newRow("Inches ; Pounds")
        << true << QStringList{"Pounds", "Inch.", "Inch.;Pound", "Weight [Lb]", "Height [In]"};
}

void OptionsTest::unitChoice() {
    QFETCH(bool, imperial);
    QFETCH(QStringList, expected);
    WindowFixture w;
    Form1& f = *w.form;
    QCOMPARE(f.Units->title(), "Cm ; Kg");
    (imperial ? f.InchPound : f.cmkg)->trigger();
    QCOMPARE(f.cmkg->isChecked(), !imperial);
    QCOMPARE(f.InchPound->isChecked(), imperial);
    QCOMPARE((QStringList{f.text[1]->toolTip(), f.text[2]->toolTip(), f.Units->title(),
                          f.Label[1]->text(), f.Label[2]->text()}),
             expected);
    QVERIFY(w.resultsHidden());
}

void OptionsTest::unitSwitchReadsTheSameDigitsInOtherUnits() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "70", "175", "", "1"});
    const QStringList metric = {f.BMRLabel->text(), f.DCNLabel->text(), f.DPNlabel->text()};
    QCOMPARE(metric[0], "BMR  1649 Cal");
    f.InchPound->trigger();
    QCOMPARE(f.text[1]->text(), "70");
    QCOMPARE(f.text[2]->text(), "175");
    QCOMPARE(f.BMRLabel->text(), "BMR  2951 Cal");
    QCOMPARE(f.DPNlabel->text(), "DPN  38 Grm");
    f.cmkg->trigger();
    QCOMPARE((QStringList{f.BMRLabel->text(), f.DCNLabel->text(), f.DPNlabel->text()}), metric);
    QCOMPARE(f.Units->title(), "Cm;Kg");
}

void OptionsTest::storedColours() {
    QCOMPARE(storedColour(QColor("#C0FFFF")), 16777152u);
    QCOMPARE(storedColour(QColor("#FFC0FF")), 16761087u);
    QCOMPARE(storedColour(QColor("#00C0C0")), 12632064u);
    QCOMPARE(storedColour(QColor("#FF00FF")), 16711935u);
    QCOMPARE(storedColour(QColor("#008080")), 8421376u);
    QCOMPARE(storedColour(QColor("#FF80FF")), 16744703u);
    QCOMPARE(storedColour(QColor("#80FFFF")), 16777088u);
    QCOMPARE(storedColour(QColor("#FFC0C0")), 12632319u);
    QCOMPARE(storedColour(QColor("#000080")), 8388608u);
    QCOMPARE(storedColour(QColor("#800080")), 8388736u);
}

void OptionsTest::sexThemes() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    QVERIFY(f.Option1->isChecked() && !f.Option2->isChecked() && !f.Option3->isChecked());
    verifyTheme(f, kMale);
    QVERIFY(w.resultsHidden());
    const QColor untouched = foreColor(f.BMRLabel);
    w.clickOption(f.Option2);
    QVERIFY(f.Option2->isChecked() && !f.Option1->isChecked());
    verifyTheme(f, kFemale);
    QCOMPARE(foreColor(f.BMRLabel), untouched);
    QCOMPARE(foreColor(f.Label[0]), untouched);
    QCOMPARE(backColor(f.Option3), QColor("#804000"));
}

void OptionsTest::leiThenLuiEqualsLui() {
    WindowFixture w;
    w.clickOption(w.form->Option2);
    w.clickOption(w.form->Option1);
    verifyTheme(*w.form, kMale);
}

void OptionsTest::themeIsPainted() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option2);
    QCOMPARE(paintedAt(f.centralWidget(), QPoint(180, 500)), kFemale.window);
    QCOMPARE(paintedAt(f.Shape[2], QPoint(5, 5)), kFemale.bands);
    QCOMPARE(paintedAt(f.text[1], QPoint(8, 14)), kFemale.boxes);
    QCOMPARE(paintedAt(f.Command1[0], QPoint(10, 12)), kFemale.buttons);
}

void OptionsTest::switchingSexRecomputes() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QCOMPARE(f.BMRLabel->text(), "BMR  1780 Cal");
    w.clickOption(f.Option2);
    QVERIFY(w.resultsShown());
    QCOMPARE(f.BMRLabel->text(), "BMR  1614 Cal");
    QCOMPARE(f.DPNlabel->text(), "DPN  112 Grm");
}

void OptionsTest::themeSurvivesTheLanguageCommand() {
    WindowFixture w;
    w.clickOption(w.form->Option2);
    w.form->ItaEng->trigger();
    verifyTheme(*w.form, kFemale);
    QVERIFY(w.form->Option2->isChecked());
}

void OptionsTest::webStartsOncePerChoice() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    f.WEB->trigger();
    f.WEB->trigger();
    f.WEB->trigger();
    QCOMPARE(w.openedAddresses, QStringList(3, kWebAddress));
    QCOMPARE(f.BMRLabel->text(), "BMR  1780 Cal");
    QVERIFY(w.resultsShown());
}

void OptionsTest::webFailureIsSilent() {
    WindowFixture w;
    w.browserStarts = false;
    w.form->WEB->trigger();
    QCOMPARE(w.openedAddresses.size(), 1);
    QVERIFY(w.boxes.isEmpty());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget* top) { return top->isVisible(); }),
             1);
}

QTEST_MAIN(OptionsTest)
#include "tst_options.moc"
