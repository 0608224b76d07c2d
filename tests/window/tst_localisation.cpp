// Italian and English: the language at start-up, the language command, the unit captions and
// the disclaimer.
#include "window_fixture.h"

#include "localisation/texts.h"
#include "options/choices.h"

#include <QMessageBox>
#include <QProcess>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Every language-dependent text of the window, in the order the window writes them, with the
// weight and height captions as they end up.
QStringList languageTexts(const Form1& f) {
    QStringList texts = {f.Option1->text(), f.Option2->text()};
    for (AutoSizeLabel* label : f.Label)
        texts << label->text();
    texts << f.BMRLabel->toolTip() << f.DCNLabel->toolTip() << f.DPNlabel->toolTip();
    for (CommandButton* button : f.Command1)
        texts << button->toolTip();
    return texts;
}

} // namespace

class LocalisationTest : public QObject {
    Q_OBJECT

  private slots:
    void startLanguageFromTheFirstWeekday_data();
    void startLanguageFromTheFirstWeekday();
    void startUpComputesNothing();
    void startUpFromTheRealLocale_data();
    void startUpFromTheRealLocale();
    void languageCommandFromItalian();
    void languageCommandTwiceFromEnglish();
    void languageCommandKeepsResultsAndChoices();
    void unitCaptions_data();
    void unitCaptions();
    void unitCaptionsTrimTheLanguageWord();
    void everyLanguageHasEveryText();
    void disclaimer_data();
    void disclaimer();
    void realDisclaimerBoxShowsTwoLinesAndOneButton();
};

void LocalisationTest::startLanguageFromTheFirstWeekday_data() {
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("italian");
    QTest::newRow("Italian, Monday first") << u"lunedì"_s << true;
    QTest::newRow("acute accent") << u"lunedí"_s << true;
    QTest::newRow("Italian, Sunday first") << u"domenica"_s << false;
    QTest::newRow("capital L") << u"Lunedì"_s << false;
    QTest::newRow("with a blank") << u"lunedì "_s << false;
    QTest::newRow("English Monday") << u"Monday"_s << false;
    QTest::newRow("English Sunday") << u"Sunday"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void LocalisationTest::startLanguageFromTheFirstWeekday() {
    QFETCH(QString, weekday);
    QFETCH(bool, italian);
    WindowFixture w(weekday);
    QCOMPARE(languageTexts(*w.form), italian ? reference::kItalian : reference::kEnglishAtStart);
}

void LocalisationTest::startUpComputesNothing() {
    WindowFixture w;
    QCOMPARE(w.form->DPNlabel->text(), reference::kCredit);
    QCOMPARE(w.form->BMRLabel->text(), reference::kBuildDate);
    QCOMPARE(w.form->DCNLabel->text(), reference::kWebAddress);
    QVERIFY(w.resultsShown());
    QCOMPARE(w.form->windowTitle(), reference::kTitle);
    QCOMPARE(w.form->Formula->title(), reference::kMenuBar[0]);
}

void LocalisationTest::startUpFromTheRealLocale_data() {
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("option1");
    QTest::newRow("it_IT") << "it_IT.UTF-8"
                           << "Lui";
    QTest::newRow("en_US") << "en_US.UTF-8"
                           << "Him";
    QTest::newRow("it_CH, Monday first too") << "it_CH.UTF-8"
                                             << "Lui";
}

// Runs this test program again as a child that only starts the window under the given locale
// and prints the language word; the child takes the real path to the locale.
void LocalisationTest::startUpFromTheRealLocale() {
#ifdef Q_OS_WIN
    QSKIP("Windows takes the locale from the user's settings, not from a child's environment; "
          "the Windows tests start this program under each locale instead");
#endif
    QFETCH(QString, lang);
    QFETCH(QString, option1);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_TIME");
    environment.remove("LANGUAGE");
    environment.insert("LANG", lang);
    environment.insert("VENTRIMO_PRINT_LANGUAGE_WORD", "1");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), option1);
}

void LocalisationTest::languageCommandFromItalian() {
    WindowFixture w(u"lunedì"_s);
    w.form->ItaEng->trigger();
    QCOMPARE(languageTexts(*w.form), reference::kEnglishByCommand);
    w.form->InchPound->trigger();
    QCOMPARE(w.form->Label[1]->text(), "Weight [Lb]");
}

void LocalisationTest::languageCommandTwiceFromEnglish() {
    WindowFixture w;
    w.form->ItaEng->trigger();
    QCOMPARE(languageTexts(*w.form), reference::kItalian);
    w.form->ItaEng->trigger();
    QCOMPARE(languageTexts(*w.form), reference::kEnglishByCommand);
}

void LocalisationTest::languageCommandKeepsResultsAndChoices() {
    WindowFixture w;
    Form1& f = *w.form;
    w.clickOption(f.Option2);
    f.Katch->trigger();
    f.InchPound->trigger();
    w.typeAll({"", "176", "", "20", "4"});
    f.BMRLabel->setText("kept"); // a recalculation would overwrite it
    f.ItaEng->trigger();
    QCOMPARE(f.BMRLabel->text(), "kept");
    QVERIFY(w.resultsShown());
    QVERIFY(f.Option2->isChecked());
    QVERIFY(f.Katch->isChecked());
    QVERIFY(f.InchPound->isChecked());
    QCOMPARE(f.text[1]->text(), "176");
    QCOMPARE(f.Label[1]->text(), reference::kUnitCaptions[2].weight);
    QCOMPARE(f.Label[2]->text(), reference::kUnitCaptions[2].height);
    QCOMPARE(f.text[1]->toolTip(), reference::kImperialChoice[0]);
    QCOMPARE(f.Units->title(), reference::kImperialChoice[2]);
}

void LocalisationTest::unitCaptions_data() {
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");
    for (const reference::UnitCaptions& row : reference::kUnitCaptions)
        QTest::addRow("%s %s", row.italian ? "Italian" : "English",
                      row.imperial ? "imperial" : "metric")
            << (row.italian ? u"lunedì"_s : u"Monday"_s) << row.imperial << row.weight
            << row.height;
}

void LocalisationTest::unitCaptions() {
    QFETCH(QString, weekday);
    QFETCH(bool, imperial);
    QFETCH(QString, weight);
    QFETCH(QString, height);
    WindowFixture w(weekday);
    (imperial ? w.form->InchPound : w.form->cmkg)->trigger();
    QCOMPARE(w.form->Label[1]->text(), weight);
    QCOMPARE(w.form->Label[2]->text(), height);
}

void LocalisationTest::unitCaptionsTrimTheLanguageWord() {
    WindowFixture w;
    w.form->Option1->setText("  Lui ");
    w.form->UpdateUnitLabels();
    QCOMPARE(w.form->Label[1]->text(), reference::kUnitCaptions[0].weight);
    w.form->Option1->setText("Lei");
    w.form->UpdateUnitLabels();
    QCOMPARE(w.form->Label[1]->text(), reference::kUnitCaptions[0].weight); // left as it was
}

// Every language of the list, reached by the language command, writes every text of the
// reference's set for it, the unit captions of every unit system and its disclaimer.
void LocalisationTest::everyLanguageHasEveryText() {
    WindowFixture w;
    Form1& f = *w.form;
    for (const texts::Catalogue& language : texts::kLanguages) {
        const bool italian = language.option1 == reference::kItalian[0];
        for (std::size_t i = 0;
             i < texts::kLanguages.size() && f.Option1->text() != language.option1; ++i)
            f.ItaEng->trigger();
        f.cmkg->trigger();
        QCOMPARE(languageTexts(f), italian ? reference::kItalian : reference::kEnglishByCommand);
        QStringList captions, expected; // weight and height, unit system by unit system
        for (const ventrimo::UnitChoice& units : ventrimo::kUnitSystems) {
            WindowFixture::item(f.Units, units.item.c_str())->trigger();
            captions << f.Label[1]->text() << f.Label[2]->text();
        }
        for (const reference::UnitCaptions& row : reference::kUnitCaptions) // metric first
            if (row.italian == italian)
                expected << row.weight << row.height;
        QCOMPARE(captions, expected);
        f.Disclaimer->trigger();
        QCOMPARE(w.boxes.last().title,
                 (italian ? reference::kItalianDisclaimer : reference::kEnglishDisclaimer).title);
    }
}

void LocalisationTest::disclaimer_data() {
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("Italian") << u"lunedì"_s << reference::kItalianDisclaimer.title
                             << reference::kItalianDisclaimer.message;
    QTest::newRow("English") << u"Monday"_s << reference::kEnglishDisclaimer.title
                             << reference::kEnglishDisclaimer.message;
}

void LocalisationTest::disclaimer() {
    QFETCH(QString, weekday);
    QFETCH(QString, title);
    QFETCH(QString, message);
    WindowFixture w(weekday);
    const QStringList before = languageTexts(*w.form);
    w.form->Disclaimer->trigger();
    QCOMPARE(w.boxes.size(), 1);
    QCOMPARE(w.boxes[0].title, title);
    QCOMPARE(w.boxes[0].message, message);
    QCOMPARE(languageTexts(*w.form), before);
    QVERIFY(w.resultsShown()); // nothing recomputed
}

void LocalisationTest::realDisclaimerBoxShowsTwoLinesAndOneButton() {
    QString shownText, shownTitle;
    int buttons = -1;
    bool modal = false, noIcon = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownTitle = box->windowTitle();
        shownText = box->text();
        buttons = int(box->buttons().size());
        modal = box->isModal();
        noIcon = box->icon() == QMessageBox::NoIcon;
        box->button(QMessageBox::Ok)->click();
    });
    platform::showMessage(nullptr, "WARNING", "first line\rsecond line");
    QCOMPARE(shownTitle, "WARNING");
    QCOMPARE(shownText, "first line\nsecond line");
    QCOMPARE(buttons, 1);
    QVERIFY(modal);
    QVERIFY(noIcon);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet("VENTRIMO_PRINT_LANGUAGE_WORD")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        prepareApplication();
        Form1 form;
        printf("%s\n", qPrintable(form.Option1->text()));
        return 0;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    LocalisationTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return finishApplication(QTest::qExec(&test, argc, argv));
}

#include "tst_localisation.moc"
