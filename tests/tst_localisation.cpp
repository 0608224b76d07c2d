// Italian and English: the language at start-up, the language command, the unit captions and
// the disclaimer.
#include "window_fixture.h"

#include <QMessageBox>
#include <QProcess>
#include <QTimer>

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

const QString kSeventeen(17, ' ');
const QString kSixteen(16, ' ');

const QStringList kItalian = {"Lui",
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

const QStringList kEnglish = {"Him",
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

QStringList englishByCommand() {
    QStringList texts = kEnglish;
    texts[1] = kSixteen + "Her";
    texts[9] = "Daily proteic requirement";
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
    void disclaimer_data();
    void disclaimer();
    void realDisclaimerBoxShowsTwoLinesAndOneButton();
};

void LocalisationTest::startLanguageFromTheFirstWeekday_data() {
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("italian");
    QTest::newRow("Italian, Monday first") << u"lunedì"_qs << true;
    QTest::newRow("acute accent") << u"lunedí"_qs << true;
    QTest::newRow("Italian, Sunday first") << u"domenica"_qs << false;
    QTest::newRow("capital L") << u"Lunedì"_qs << false;
    QTest::newRow("with a blank") << u"lunedì "_qs << false;
    QTest::newRow("English Monday") << u"Monday"_qs << false;
    QTest::newRow("English Sunday") << u"Sunday"_qs << false;
    QTest::newRow("empty") << QString() << false;
}

void LocalisationTest::startLanguageFromTheFirstWeekday() {
    QFETCH(QString, weekday);
    QFETCH(bool, italian);
    WindowFixture w(weekday);
    QCOMPARE(languageTexts(*w.form), italian ? kItalian : kEnglish);
}

void LocalisationTest::startUpComputesNothing() {
    WindowFixture w;
    QCOMPARE(w.form->DPNlabel->text(), "Brought 2 u by Quillan");
    QCOMPARE(w.form->BMRLabel->text(), "28/04/2012");
    QCOMPARE(w.form->DCNLabel->text(), kWebAddress);
    QVERIFY(w.resultsShown());
    QCOMPARE(w.form->windowTitle(), "Ventrimo");
    QCOMPARE(w.form->Formula->title(), "Mifflin-St Jeor");
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
    WindowFixture w(u"lunedì"_qs);
    w.form->ItaEng->trigger();
    QCOMPARE(languageTexts(*w.form), englishByCommand());
    w.form->InchPound->trigger();
    QCOMPARE(w.form->Label[1]->text(), "Weight [Lb]");
}

void LocalisationTest::languageCommandTwiceFromEnglish() {
    WindowFixture w;
    w.form->ItaEng->trigger();
    QCOMPARE(languageTexts(*w.form), kItalian);
    w.form->ItaEng->trigger();
    QCOMPARE(languageTexts(*w.form), englishByCommand());
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
    QCOMPARE(f.Label[1]->text(), "Peso [Lb]");
    QCOMPARE(f.Label[2]->text(), "Altezza [In]");
    QCOMPARE(f.text[1]->toolTip(), "Pounds");
    QCOMPARE(f.Units->title(), "Inch.;Pound");
}

void LocalisationTest::unitCaptions_data() {
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("imperial");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("height");
    QTest::newRow("Italian metric") << u"lunedì"_qs << false << "Peso [Kg]"
                                    << "Altezza [Cm]";
    QTest::newRow("Italian imperial") << u"lunedì"_qs << true << "Peso [Lb]"
                                      << "Altezza [In]";
    QTest::newRow("English metric") << "Monday" << false << "Weight [Kg]"
                                    << "Height [Cm]";
    QTest::newRow("English imperial") << "Monday" << true << "Weight [Lb]"
                                      << "Height [In]";
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
    QCOMPARE(w.form->Label[1]->text(), "Peso [Kg]");
    w.form->Option1->setText("Lei");
    w.form->UpdateUnitLabels();
    QCOMPARE(w.form->Label[1]->text(), "Peso [Kg]"); // neither word: left as it was
}

void LocalisationTest::disclaimer_data() {
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    QTest::newRow("Italian")
        << u"lunedì"_qs << "ATTENZIONE"
        << "I dati prodotti da questo software hanno carattere puramente didattico\r"
           "e non devono assolutamente sostituire le indicazioni fornite da un medico !";
    QTest::newRow("English")
        << "Monday"
        << "WARNING"
        << "All info provided by this software is offered for educational purposes only\r"
           "and is not intended to replace the guidance of a healthcare professional !";
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
    messagebox::show(nullptr, "WARNING", "first line\rsecond line");
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
    LocalisationTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_localisation.moc"
