// The results following the user's typing and clicks in the real window.
#include "window_fixture.h"

#include <QRegularExpression>

class LiveResultsTest : public QObject {
    Q_OBJECT

  private slots:
    void typedInputsGiveExactCaptions_data();
    void typedInputsGiveExactCaptions();
    void firstKeystrokeHidesTheStartTexts();
    void clearingABoxHidesAndRetypingShows();
    void levelButtonTypesItsLevel();
    void levelButtonOfCurrentLevelWritesNothing();
    void levelButtonWithInvalidInputsStillWritesTheLevel();
    void levelAboveFiveIsPulledDown();
    void katchLevelZeroIsPulledUp();
    void decimalPointBecomesCommaKeyByKey();
    void pointThatMakesTheValueZeroHides();
    void textThatStopsBeingANumberHides();
    void noSexSelectedHidesTheResults();
    void oddTextsNeverShowANonNumber_data();
    void oddTextsNeverShowANonNumber();
    void writingTheSameTextRaisesNoChange();
    void caretStaysWhereItWasWhenABoxIsRewritten();
};

namespace {

enum class Choice { Mifflin, Herris, Katch, Male, Female, Imperial };

void choose(WindowFixture& w, Choice choice) {
    switch (choice) {
    case Choice::Mifflin:
        w.form->Mifflin->trigger();
        break;
    case Choice::Herris:
        w.form->Herris->trigger();
        break;
    case Choice::Katch:
        w.form->Katch->trigger();
        break;
    case Choice::Male:
        w.clickOption(w.form->Option1);
        break;
    case Choice::Female:
        w.clickOption(w.form->Option2);
        break;
    case Choice::Imperial:
        w.form->InchPound->trigger();
        break;
    }
}

QStringList captions(const Form1& form) {
    return {form.BMRLabel->text(), form.DCNLabel->text(), form.DPNlabel->text()};
}

} // namespace

Q_DECLARE_METATYPE(QList<Choice>)

void LiveResultsTest::typedInputsGiveExactCaptions_data() {
    QTest::addColumn<QList<Choice>>("choices");
    QTest::addColumn<QStringList>("boxes"); // age, weight, height, fat, level
    QTest::addColumn<QStringList>("expected");

    using C = Choice;
    QTest::newRow("first sight") << QList<C>{C::Male} << QStringList{"30", "80", "180", "", "1"}
                                 << QStringList{"BMR  1780 Cal", "DCN  2136 Cal", "DPN  96 Grm"};
    QTest::newRow("mifflin level 3")
        << QList<C>{C::Male} << QStringList{"30", "80", "180", "", "3"}
        << QStringList{"BMR  1780 Cal", "DCN  2759 Cal", "DPN  128 Grm"};
    QTest::newRow("tie to even") << QList<C>{C::Male} << QStringList{"31", "50", "170", "", "2"}
                                 << QStringList{"BMR  1412 Cal", "DCN  1942 Cal", "DPN  70 Grm"};
    QTest::newRow("harris male") << QList<C>{C::Herris, C::Male}
                                 << QStringList{"25", "62", "170", "", "5"}
                                 << QStringList{"BMR  1601 Cal", "DCN  3042 Cal", "DPN  136 Grm"};
    QTest::newRow("harris female")
        << QList<C>{C::Herris, C::Female} << QStringList{"40", "60", "165", "", "2"}
        << QStringList{"BMR  1347 Cal", "DCN  1852 Cal", "DPN  72 Grm"};
    QTest::newRow("katch male") << QList<C>{C::Katch, C::Male}
                                << QStringList{"", "80", "", "20", "3"}
                                << QStringList{"BMR  1752 Cal", "DCN  2716 Cal", "DPN  128 Grm"};
    QTest::newRow("katch female") << QList<C>{C::Katch, C::Female}
                                  << QStringList{"", "80", "", "20", "3"}
                                  << QStringList{"BMR  1752 Cal", "DCN  2716 Cal", "DPN  112 Grm"};
    QTest::newRow("katch without a sex")
        << QList<C>{C::Katch} << QStringList{"", "80", "", "20", "3"}
        << QStringList{"BMR  1752 Cal", "DCN  2716 Cal", "DPN  112 Grm"};
    QTest::newRow("katch imperial")
        << QList<C>{C::Katch, C::Female, C::Imperial} << QStringList{"", "176", "", "20", "4"}
        << QStringList{"BMR  1750 Cal", "DCN  3018 Cal", "DPN  128 Grm"};
    QTest::newRow("mifflin imperial")
        << QList<C>{C::Male, C::Imperial} << QStringList{"30", "176", "71", "", "1"}
        << QStringList{"BMR  1780 Cal", "DCN  2137 Cal", "DPN  96 Grm"};
    QTest::newRow("negative results") << QList<C>{C::Female} << QStringList{"99", "1", "1", "", "1"}
                                      << QStringList{"BMR -640 Cal", "DCN -768 Cal", "DPN  1 Grm"};
    QTest::newRow("level seven is level five")
        << QList<C>{C::Male} << QStringList{"30", "80", "180", "", "7"}
        << QStringList{"BMR  1780 Cal", "DCN  3382 Cal", "DPN  176 Grm"};
    QTest::newRow("seventy and a half")
        << QList<C>{C::Male} << QStringList{"30", "70.5", "180", "", "3"}
        << QStringList{"BMR  1685 Cal", "DCN  2612 Cal", "DPN  113 Grm"};
}

void LiveResultsTest::typedInputsGiveExactCaptions() {
    QFETCH(QList<Choice>, choices);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    WindowFixture w;
    for (Choice choice : choices)
        choose(w, choice);
    w.typeAll(boxes);
    QVERIFY(w.resultsShown());
    QCOMPARE(captions(*w.form), expected);
}

void LiveResultsTest::firstKeystrokeHidesTheStartTexts() {
    WindowFixture w;
    QVERIFY(w.resultsShown());
    QCOMPARE(w.form->BMRLabel->text(), "28/04/2012");
    QTest::keyClick(w.form->text[3], Qt::Key_2);
    QVERIFY(w.resultsHidden());
    QCOMPARE(w.form->BMRLabel->text(), "28/04/2012"); // hidden, not rewritten
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
    QCOMPARE(w.form->BMRLabel->text(), "BMR  1730 Cal");
}

void LiveResultsTest::levelButtonTypesItsLevel() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QTest::mouseClick(w.form->Command1[3], Qt::LeftButton);
    QCOMPARE(w.form->text[4]->text(), "4");
    QVERIFY(w.resultsShown());
    QCOMPARE(captions(*w.form), (QStringList{"BMR  1780 Cal", "DCN  3070 Cal", "DPN  144 Grm"}));
}

void LiveResultsTest::levelButtonOfCurrentLevelWritesNothing() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    QSignalSpy changes(w.form->text[4], &QLineEdit::textChanged);
    w.form->BMRLabel->setText("stale"); // only a new calculation writes it back
    QTest::mouseClick(w.form->Command1[2], Qt::LeftButton);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(w.form->BMRLabel->text(), "BMR  1780 Cal");
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
    QCOMPARE(w.form->text[4]->text(), "5");
    QCOMPARE(w.form->DCNLabel->text(), "DCN  3382 Cal");
}

void LiveResultsTest::katchLevelZeroIsPulledUp() {
    WindowFixture w;
    w.form->Katch->trigger();
    w.typeAll({"", "80", "", "20", "0"});
    QCOMPARE(w.form->text[4]->text(), "1");
    QVERIFY(w.resultsShown());
    QCOMPARE(w.form->DCNLabel->text(), "DCN  2103 Cal");
}

void LiveResultsTest::decimalPointBecomesCommaKeyByKey() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "", "180", "", "3"});
    w.type(1, "70.5");
    QCOMPARE(w.form->text[1]->text(), "70,5");
    QCOMPARE(w.form->text[1]->cursorPosition(), 4);
    QVERIFY(w.resultsShown());
    QCOMPARE(w.form->DPNlabel->text(), "DPN  113 Grm");
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

void LiveResultsTest::writingTheSameTextRaisesNoChange() {
    QLineEdit edit;
    edit.setText("70,5");
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    edit.setText("70,5");
    QCOMPARE(changes.count(), 0);
    edit.setText("70,6");
    QCOMPARE(changes.count(), 1);
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

QTEST_MAIN(LiveResultsTest)
#include "tst_live_results.moc"
