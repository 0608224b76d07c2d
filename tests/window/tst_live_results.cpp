// The results following the user's typing and clicks in the real window.
#include "window_fixture.h"

#include <QRegularExpression>
#include <QSignalSpy>

class LiveResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void typedInputsGiveExactCaptions_data();
    void typedInputsGiveExactCaptions();
    void firstKeystrokeHidesTheStartTexts();
    void clearingABoxHidesAndRetypingShows();
    void levelButtonTypesItsLevel_data();
    void levelButtonTypesItsLevel();
    void levelButtonKeys_data();
    void levelButtonKeys();
    void levelButtonOfCurrentLevelWritesNothing();
    void levelButtonWithInvalidInputsStillWritesTheLevel();
    void levelAboveFiveIsPulledDown();
    void katchLevelZeroIsPulledUp();
    void decimalPointBecomesCommaKeyByKey();
    void pointThatMakesTheValueZeroHides();
    void textThatStopsBeingANumberHides();
    void noSexSelectedHidesTheResults();
    void hintSaysWhatKeepsTheResultsAway_data();
    void hintSaysWhatKeepsTheResultsAway();
    void oddTextsNeverShowANonNumber_data();
    void oddTextsNeverShowANonNumber();
    void refreshOfTidyBoxesRaisesNoChange();
    void caretStaysWhereItWasWhenABoxIsRewritten();
};

Q_DECLARE_METATYPE(reference::Case)

void LiveResultsTest::typedInputsGiveExactCaptions_data() {
    QTest::addColumn<reference::Case>("row");
    for (const reference::Case& row : reference::kCases)
        QTest::newRow(row.name) << row;
}

void LiveResultsTest::typedInputsGiveExactCaptions() {
    QFETCH(reference::Case, row);
    WindowFixture w;
    w.enter(row);
    QVERIFY(w.resultsShown());
    QCOMPARE(w.captions(), row.captions);
}

void LiveResultsTest::firstKeystrokeHidesTheStartTexts() {
    WindowFixture w;
    QVERIFY(w.resultsShown());
    QCOMPARE(w.form->BMRLabel->text(), reference::kBuildDate);
    QTest::keyClick(w.form->text[3], Qt::Key_2);
    QVERIFY(w.resultsHidden());
    QCOMPARE(w.form->BMRLabel->text(), reference::kBuildDate); // hidden, not rewritten
}

void LiveResultsTest::clearingABoxHidesAndRetypingShows() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QVERIFY(w.resultsShown());
    w.type(0, "");
    QVERIFY(w.resultsHidden());
    w.type(0, "40");
    QVERIFY(w.resultsShown());
    QCOMPARE(w.captions(), reference::expected(reference::Sex::Male, {"40", "80", "180", "", "3"}));
}

// Every level button writes its own level, and the results follow it.
void LiveResultsTest::levelButtonTypesItsLevel_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("captions");
    for (const ventrimo::LevelChoice& level : ventrimo::kLevels) {
        QStringList boxes = reference::kTyped; // the reference's results for the level typed
        boxes[4] = QString::number(ventrimo::levelNumber(level.value));
        QTest::addRow("level %s", qPrintable(boxes[4]))
            << int(level.value) << reference::expected(reference::Sex::Male, boxes);
    }
}

void LiveResultsTest::levelButtonTypesItsLevel() {
    QFETCH(int, button);
    QFETCH(QStringList, captions);
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", button == 2 ? "1" : "3"});
    QTest::mouseClick(w.form->Command1[std::size_t(button)], Qt::LeftButton);
    QCOMPARE(w.form->text[4]->text(), QString::number(button + 1));
    QVERIFY(w.resultsShown());
    QCOMPARE(w.captions(), captions);
}

void LiveResultsTest::levelButtonKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
}

void LiveResultsTest::levelButtonKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    w.form->Command1[3]->setFocus();
    QTest::keyClick(w.form->Command1[3], Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(w.form->text[4]->text(), "4");
    QCOMPARE(w.captions(), reference::expected(reference::Sex::Male, {"30", "80", "180", "", "4"}));
}

void LiveResultsTest::levelButtonOfCurrentLevelWritesNothing() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QSignalSpy changes(w.form->text[4], &QLineEdit::textChanged);
    w.form->BMRLabel->setText("stale"); // only a new calculation writes it back
    QTest::mouseClick(w.form->Command1[2], Qt::LeftButton);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(w.captions(), reference::expected());
}

void LiveResultsTest::levelButtonWithInvalidInputsStillWritesTheLevel() {
    WindowFixture w;
    QTest::mouseClick(w.form->Command1[4], Qt::LeftButton);
    QCOMPARE(w.form->text[4]->text(), "5");
    QVERIFY(w.resultsHidden());
}

void LiveResultsTest::levelAboveFiveIsPulledDown() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "7"});
    QCOMPARE(w.form->text[4]->text(), QString::number(reference::kLevelTags.size()));
    QCOMPARE(w.captions(), reference::expected(reference::Sex::Male, {"30", "80", "180", "", "7"}));
}

void LiveResultsTest::katchLevelZeroIsPulledUp() {
    WindowFixture w;
    w.form->Katch->trigger();
    w.typeAll({"", "80", "", "20", "0"});
    QCOMPARE(w.form->text[4]->text(), "1");
    QVERIFY(w.resultsShown());
    const QStringList pulledUp = w.captions();
    w.type(4, "2");
    w.type(4, "1");
    QCOMPARE(pulledUp, w.captions()); // as level 1 typed
}

void LiveResultsTest::decimalPointBecomesCommaKeyByKey() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "", "180", "", "3"});
    w.type(1, "70.5");
    QCOMPARE(w.form->text[1]->text(), "70,5");
    QCOMPARE(w.form->text[1]->cursorPosition(), 4);
    QVERIFY(w.resultsShown());
    QCOMPARE(w.captions(),
             reference::expected(reference::Sex::Male, {"30", "70.5", "180", "", "3"}));
}

void LiveResultsTest::pointThatMakesTheValueZeroHides() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "", "180", "", "3"});
    w.form->text[1]->setText("0.5"); // pasted whole: valid until the point becomes a comma
    QCOMPARE(w.form->text[1]->text(), "0,5");
    QVERIFY(w.resultsHidden());
}

void LiveResultsTest::textThatStopsBeingANumberHides() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    w.form->text[2]->setText("1.2.3");
    QCOMPARE(w.form->text[2]->text(), "1,2,3");
    QVERIFY(w.resultsHidden());
}

void LiveResultsTest::noSexSelectedHidesTheResults() {
    WindowFixture w;
    w.typeAll({"30", "80", "180", "", "3"});
    QVERIFY(!w.form->Option1->isChecked() && !w.form->Option2->isChecked());
    QVERIFY(w.resultsHidden());
    w.form->Herris->trigger();
    QVERIFY(w.resultsHidden());
}

void LiveResultsTest::hintSaysWhatKeepsTheResultsAway_data() {
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("step"); // what the user does last
    QTest::addColumn<QString>("hint"); // the hint in the result area, or none
    // clang-format off
    const QStringList all = {"30", "80", "180", "", "3"}, noAge = {"", "80", "180", "", "3"}, huge = {"30", "9e37", "180", "", "3"};
    QTest::newRow("every number") << all << "" << "Choose Him or Her";
    QTest::newRow("italian") << all << "language" << "Scegli Lui o Lei";
    QTest::newRow("harris-benedict") << all << "herris" << "Choose Him or Her";
    QTest::newRow("age missing") << noAge << "" << "Missing: Age";
    QTest::newRow("age missing, italian") << noAge << "language" << "Manca: Età";
    QTest::newRow("height missing, italian") << QStringList{"30", "80", "", "", "3"} << "language" << "Manca: Altezza [Cm]";
    QTest::newRow("no results") << huge << "her" << "No results for these numbers";
    QTest::newRow("no results, italian") << huge << "language her" << "Nessun risultato con questi numeri";
    QTest::newRow("sex chosen") << all << "her" << "";
    QTest::newRow("katch-mcardle") << QStringList{"30", "80", "180", "20", "3"} << "katch" << "";
    // clang-format on
}

void LiveResultsTest::hintSaysWhatKeepsTheResultsAway() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, step);
    QFETCH(QString, hint);
    WindowFixture w;
    const Form1& f = *w.form;
    w.typeAll(boxes);
    if (step.startsWith("language"))
        chooseLanguage(*w.form, kItalian);
    if (step == "herris" || step == "katch")
        (step == "katch" ? f.Katch : f.Herris)->trigger();
    else if (step.endsWith("her"))
        w.clickOption(f.Option2);
    QStringList shown; // every label on screen but the captions and the results
    for (QLabel* label : f.centralWidget()->findChildren<QLabel*>())
        if (label->isVisible() && !std::count(f.Label.begin(), f.Label.end(), label) &&
            label != f.BMRLabel && label != f.DCNLabel && label != f.DPNlabel)
            shown << label->text();
    QCOMPARE(shown, hint.isEmpty() ? QStringList{} : QStringList{hint});
    if (!hint.isEmpty()) {
        QVERIFY(w.resultsHidden()); // the hint stands apart from the results
        QCOMPARE(f.SexHint->font(), f.DPNlabel->font());
        QCOMPARE(f.SexHint->y(), f.DPNlabel->y());
    }
}

void LiveResultsTest::oddTextsNeverShowANonNumber_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("keys");
    const QStringList odd = {"9E99",  "9e37",  "1e-99", "-5", "+5",  "- 5", ",",  ".",   "..",
                             ",5",    "5,",    "e",     "1e", "1e+", "abc", "  ", "5kg", "1.2.3",
                             "9.9.9", "99999", "1,e5",  "∞",  "à",   "0",   "00", "-0",  "-,0"};
    for (int box = 0; box < 5; ++box)
        for (const QString& keys : odd)
            QTest::addRow("box %d %s", box, qPrintable(keys)) << box << keys;
}

void LiveResultsTest::oddTextsNeverShowANonNumber() {
    QFETCH(int, box);
    QFETCH(QString, keys);
    static const QRegularExpression bmr("^BMR [ -]\\d+ Cal$"), dcn("^DCN [ -]\\d+ Cal$"),
        dpn("^DPN [ -]\\d+ Grm$");
    for (auto formula : {&Form1::Mifflin, &Form1::Katch}) {
        WindowFixture w;
        (w.form.get()->*formula)->trigger();
        w.clickOption(w.form->Option1);
        w.typeAll({"30", "80", "180", "20", "3"});
        w.type(box, keys);
        QVERIFY(w.resultsShown() || w.resultsHidden());
        QCOMPARE(w.resultsShown(), w.form->InputsValid());
        QVERIFY(w.form->text[box]->text().size() <= w.form->text[box]->maxLength());
        if (w.resultsShown()) {
            QVERIFY2(bmr.match(w.form->BMRLabel->text()).hasMatch(),
                     qPrintable(w.form->BMRLabel->text()));
            QVERIFY2(dcn.match(w.form->DCNLabel->text()).hasMatch(),
                     qPrintable(w.form->DCNLabel->text()));
            QVERIFY2(dpn.match(w.form->DPNlabel->text()).hasMatch(),
                     qPrintable(w.form->DPNlabel->text()));
        }
    }
}

// A refresh that finds every box already tidy writes none of them: a box raising its change
// event for the same text would run the refresh again, and again.
void LiveResultsTest::refreshOfTidyBoxesRaisesNoChange() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "70,5", "180", "20", "3"});
    QList<QSignalSpy*> spies;
    for (QLineEdit* box : w.form->text)
        spies << new QSignalSpy(box, &QLineEdit::textChanged);
    w.form->Herris->trigger();
    w.form->cmkg->trigger();
    QTest::mouseClick(w.form->Command1[2], Qt::LeftButton);
    QVERIFY(w.resultsShown());
    for (QSignalSpy* spy : spies)
        QCOMPARE(spy->count(), 0);
    qDeleteAll(spies);
}

void LiveResultsTest::caretStaysWhereItWasWhenABoxIsRewritten() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "805", "180", "", "3"});
    QLineEdit* weight = w.form->text[1];
    weight->setCursorPosition(2);
    QTest::keyClick(weight, Qt::Key_Period); // "80.5" becomes "80,5"
    QCOMPARE(weight->text(), "80,5");
    QCOMPARE(weight->cursorPosition(), 3);
}

WINDOW_TEST_MAIN(LiveResultsTest)
#include "tst_live_results.moc"
