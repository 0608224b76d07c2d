// The formula and unit menus, the sex options with their colour themes, and the web command.
#include "window_fixture.h"

#include "options/choices.h"

#include <algorithm>

#include <QAccessible>
#include <QMenuBar>

namespace {

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
    void everyFormulaIsInTheMenuAndComputed();
    void sexThemes();
    void leiThenLuiEqualsLui();
    void themeIsPainted();
    void switchingSexRecomputes();
    void everyWayOfChoosingRunsTheHandler_data();
    void everyWayOfChoosingRunsTheHandler();
    void hiddenPlaceholderCannotBeChosen();
    void themeSurvivesTheLanguageCommand();
    void webStartsOncePerChoice();
    void webFailureIsSilent();
};

void OptionsTest::formulaChoice_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("captions");
    using reference::Formula, reference::Sex, reference::kFormulaItems, reference::expected;
    // clang-format off
    QTest::newRow("Mifflin") << "Mifflin" << kFormulaItems[0] << expected();
    QTest::newRow("Herris") << "Herris" << kFormulaItems[1] << expected(Formula::Herris, Sex::Male, false, reference::kTyped);
    QTest::newRow("Katch") << "Katch" << kFormulaItems[2] << expected(Formula::Katch, Sex::Male, false, {"", "80", "", "20", "3"});
    // clang-format on
}

void OptionsTest::formulaChoice() {
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QStringList, captions);
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
    QCOMPARE(w.captions(), captions);
}

void OptionsTest::choosingTheCurrentFormulaRewritesTheTitle() {
    WindowFixture w;
    Form1& f = *w.form;
    QCOMPARE(f.Formula->title(), reference::kMenuBar[0]);
    f.Mifflin->trigger();
    QVERIFY(f.Mifflin->isChecked() && !f.Herris->isChecked() && !f.Katch->isChecked());
    QCOMPARE(f.Formula->title(), reference::kFormulaItems[0]);
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
    QCOMPARE(w.captions(), reference::expected(reference::Formula::Katch, reference::Sex::Male,
                                               false, {"", "80", "", "20", "3"}));
}

void OptionsTest::formulaChoiceWithInvalidInputsHidesWithoutComputing() {
    WindowFixture w;
    Form1& f = *w.form;
    w.type(1, "70.5"); // not computed, so the point stays
    f.Herris->trigger();
    QVERIFY(w.resultsHidden());
    QCOMPARE(f.text[1]->text(), "70.5");
    QCOMPARE(f.BMRLabel->text(), reference::kBuildDate);
}

void OptionsTest::unitChoice_data() {
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QStringList>("expected"); // weight tip, height tip, title, captions
    for (const reference::UnitCaptions& row : reference::kUnitCaptions) {
        if (row.italian)
            continue; // the window starts in English here
        QTest::newRow(qPrintable(reference::kUnitItems[row.imperial]))
            << row.imperial
            << (row.imperial ? reference::kImperialChoice : reference::kMetricChoice) +
                   QStringList{row.weight, row.height};
    }
}

void OptionsTest::unitChoice() {
    QFETCH(bool, imperial);
    QFETCH(QStringList, expected);
    WindowFixture w;
    Form1& f = *w.form;
    QCOMPARE(f.Units->title(), reference::kMenuBar[1]);
    (imperial ? f.InchPound : f.cmkg)->trigger();
    QCOMPARE(f.cmkg->isChecked(), !imperial);
    QCOMPARE(f.InchPound->isChecked(), imperial);
    QCOMPARE((QStringList{f.text[1]->toolTip(), f.text[2]->toolTip(), f.Units->title(),
                          f.Label[1]->text(), f.Label[2]->text()}),
             expected);
    QVERIFY(w.resultsHidden());
}

// Every formula of the list has its item in the menu, and choosing it shows the results the
// reference expects of it.
void OptionsTest::everyFormulaIsInTheMenuAndComputed() {
    for (const ventrimo::FormulaChoice& formula : ventrimo::kFormulas) {
        const QString name = QString::fromUtf8(formula.name.c_str());
        const auto row = std::ranges::find_if(reference::kCases, [&](const reference::Case& c) {
            return reference::kFormulaItems[int(c.formula)] == name;
        });
        QVERIFY2(row != reference::kCases.end(), qPrintable("no expected results for " + name));
        WindowFixture w;
        w.enter(*row);
        QCOMPARE(w.form->Formula->title(), name);
        QVERIFY(w.resultsShown());
        QCOMPARE(w.captions(), row->captions);
    }
}

void OptionsTest::unitSwitchReadsTheSameDigitsInOtherUnits() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    const QStringList typed = {"30", "80", "180", "", "1"};
    w.typeAll(typed);
    const QStringList metric = w.captions();
    QCOMPARE(metric, reference::expected(reference::Sex::Male, typed));
    f.InchPound->trigger();
    QCOMPARE(QStringList({f.text[1]->text(), f.text[2]->text()}), typed.mid(1, 2));
    QCOMPARE(w.captions(),
             reference::expected(reference::Formula::Mifflin, reference::Sex::Male, true, typed));
    f.cmkg->trigger();
    QCOMPARE(w.captions(), metric);
    QCOMPARE(f.Units->title(), reference::kMetricChoice[2]);
}

void OptionsTest::sexThemes() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    QVERIFY(f.Option1->isChecked() && !f.Option2->isChecked() && !f.Option3->isChecked());
    verifyTheme(f, reference::kMale);
    QVERIFY(w.resultsHidden());
    const QColor untouched = foreColor(f.BMRLabel);
    w.clickOption(f.Option2);
    QVERIFY(f.Option2->isChecked() && !f.Option1->isChecked());
    verifyTheme(f, reference::kFemale);
    QCOMPARE(foreColor(f.BMRLabel), untouched);
    QCOMPARE(foreColor(f.Label[0]), untouched);
    QCOMPARE(backColor(f.Option3), reference::kOption3Back);
}

void OptionsTest::leiThenLuiEqualsLui() {
    WindowFixture w;
    w.clickOption(w.form->Option2);
    w.clickOption(w.form->Option1);
    verifyTheme(*w.form, reference::kMale);
}

void OptionsTest::themeIsPainted() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option2);
    QCOMPARE(paintedAt(f.centralWidget(), QPoint(180, 500)), reference::kFemale.window);
    QCOMPARE(paintedAt(f.Shape[2], QPoint(5, 5)), reference::kFemale.bands);
    QCOMPARE(paintedAt(f.text[1], QPoint(8, 14)), reference::kFemale.boxes);
    QCOMPARE(paintedAt(f.Command1[0], QPoint(10, 12)), reference::kFemale.levelButtons);
}

void OptionsTest::switchingSexRecomputes() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll(reference::kTyped);
    QCOMPARE(w.captions(), reference::expected());
    w.clickOption(f.Option2);
    QVERIFY(w.resultsShown());
    QCOMPARE(w.captions(), reference::expected(reference::Sex::Female));
}

// A click anywhere on the option, the keyboard, and a screen reader's actions: each selects
// "Her" through its handler, which repaints in her colours and computes her results.
void OptionsTest::everyWayOfChoosingRunsTheHandler_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"click on the caption", "arrow key", "toggle action", "press action"})
        QTest::newRow(way) << QString(way);
}

void OptionsTest::everyWayOfChoosingRunsTheHandler() {
    QFETCH(QString, way);
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(f.Option2)->actionInterface();
    if (way == "click on the caption") {
        QTest::mouseClick(f.Option2, Qt::LeftButton, {}, QPoint(10, f.Option2->height() - 5));
    } else if (way == "arrow key") {
        f.Option1->setFocus();
        QTest::keyClick(f.Option1, Qt::Key_Right);
    } else {
        QVERIFY(actions);
        actions->doAction(way == "toggle action" ? QAccessibleActionInterface::toggleAction()
                                                 : QAccessibleActionInterface::pressAction());
    }
    QTRY_VERIFY(f.Option2->isChecked());
    QCOMPARE(backColor(f.centralWidget()), reference::kFemale.window);
    QCOMPARE(w.captions(), reference::expected(reference::Sex::Female));
    w.type(0, "30"); // the next keystroke keeps her results in her colours
    QCOMPARE(w.captions(), reference::expected(reference::Sex::Female));
    QCOMPARE(backColor(f.Shape[0]), reference::kFemale.bands);
}

void OptionsTest::hiddenPlaceholderCannotBeChosen() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QAccessibleInterface* placeholder = QAccessible::queryAccessibleInterface(f.Option3);
    if (QAccessibleActionInterface* actions = placeholder->actionInterface())
        actions->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(f.Option1->isChecked());
    QVERIFY(w.resultsShown());
    QCOMPARE(w.captions(), reference::expected());
}

void OptionsTest::themeSurvivesTheLanguageCommand() {
    WindowFixture w;
    w.clickOption(w.form->Option2);
    w.form->ItaEng->trigger();
    verifyTheme(*w.form, reference::kFemale);
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
    QCOMPARE(w.openedAddresses, QStringList(3, reference::kWebAddress));
    QCOMPARE(w.captions(), reference::expected());
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

WINDOW_TEST_MAIN(OptionsTest)
#include "tst_options.moc"
