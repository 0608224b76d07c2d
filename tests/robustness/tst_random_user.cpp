// A randomized user: thousands of keystrokes, pastes, clicks and menu commands on the real
// window, each followed by a check of everything that must hold between events. The run is
// seeded; set VENTRIMO_SEED to replay the seed a failure prints.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "app/Form1_platform.h"
#include "calc/metabolic.h"
#include "reference.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <deque>
#include <memory>
#include <random>

namespace {

constexpr int kEvents = 8000;
// One change typed by the user, one clamp of the level and one rewrite of each box holding a
// decimal point: no event can raise more change events than that.
constexpr int kMostChangesAnEvent = 7;
constexpr quint64 kDefaultSeed = 20260417;

quint64 seedFromEnvironment() {
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("VENTRIMO_SEED").toULongLong(&ok);
    return ok ? seed : kDefaultSeed;
}

QString shown(const QString& text) {
    return '"' + text + '"';
}

} // namespace

class RandomUser : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomSessions();

  private:
    void openWindow();
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random); }
    QChar randomCharacter();
    QString randomText(int longest);

    // One user event, named in the log; the checks follow each one.
    void nextEvent();
    void typeKeys(QLineEdit* box);
    void typeValidInputs();
    void log(const QString& event);
    void checkAfterEvent();
    QString brokenProperty();
    QString context() const;

    std::mt19937_64 random;
    quint64 seed = 0;
    std::unique_ptr<Form1> form;
    std::array<QString, 3> layoutCaptions;
    bool refreshed = false;
    int changesThisEvent = 0;
    int mostChanges = 0;
    int shownChecks = 0;
    int checks = 0;
    int browserStarts = 0;
    int disclaimers = 0;
    QString lastDisclaimerTitle;
    QString lastAddress;
    std::deque<QString> recent;
    int eventNumber = 0;
};

void RandomUser::initTestCase() {
    seed = seedFromEnvironment();
    random.seed(seed);
    qInfo("seed %llu (set VENTRIMO_SEED to replay)", static_cast<unsigned long long>(seed));
    prepareApplication();
    platform::firstWeekdayName.replace([] { return QString("Sunday"); });
    platform::openBrowser.replace([this](const QString& address) {
        ++browserStarts;
        lastAddress = address;
        return chance(0.5); // a browser that fails to start must not matter either
    });
    platform::showMessage.replace([this](QWidget*, const QString& title, const QString&) {
        ++disclaimers;
        lastDisclaimerTitle = title;
    });
}

void RandomUser::cleanupTestCase() {
    form.reset();
    platform::firstWeekdayName.replace({});
    platform::openBrowser.replace({});
    platform::showMessage.replace({});
}

void RandomUser::openWindow() {
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    layoutCaptions = {form->BMRLabel->text(), form->DCNLabel->text(), form->DPNlabel->text()};
    refreshed = false;
    for (QLineEdit* box : form->text)
        connect(box, &QLineEdit::textChanged, form.get(), [this] { ++changesThisEvent; });
}

QChar RandomUser::randomCharacter() {
    static const QString kKeys = "0123456789012345678901234567890123456789..,,--+eE  azZ%\u00e0";
    return kKeys[pick(int(kKeys.size()))];
}

QString RandomUser::randomText(int longest) {
    QString text;
    const int length = pick(longest + 1);
    for (int i = 0; i < length; ++i)
        text += randomCharacter();
    return text;
}

void RandomUser::log(const QString& event) {
    recent.push_back(QString::number(eventNumber) + ": " + event);
    if (recent.size() > 12)
        recent.pop_front();
}

void RandomUser::typeKeys(QLineEdit* box) {
    box->setFocus();
    switch (pick(6)) {
    case 0:
        box->selectAll();
        break;
    case 1:
        QTest::keyClick(box, Qt::Key_Home);
        break;
    case 2:
        QTest::keyClick(box, Qt::Key_Left);
        break;
    default:
        QTest::keyClick(box, Qt::Key_End);
    }
    const QChar key = randomCharacter();
    log("type " + shown(key) + " into " + shown(box->text()) + " at " +
        QString::number(box->cursorPosition()));
    if (key.unicode() < 0x80)
        QTest::keyClick(box, key.toLatin1());
    else // no key code of its own: a key press that carries the character
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(key), {});
}

void RandomUser::typeValidInputs() {
    static const QStringList kTyped[5] = {{"30", "31", "25", "99", "1"},
                                          {"80", "62", "70.5", "176", "1", "0,5", "99999"},
                                          {"180", "170", "1.65", "71", "99999"},
                                          {"20", "15", "1", "99"},
                                          {"1", "3", "5", "7", "0"}};
    const int index = pick(5);
    QLineEdit* box = form->text[index];
    const QString value = kTyped[index][pick(int(kTyped[index].size()))];
    log("fill box " + QString::number(index) + " with " + shown(value));
    box->setFocus();
    box->selectAll();
    for (QChar key : value) {
        QTest::keyClick(box, key.toLatin1());
        checkAfterEvent();
        if (QTest::currentTestFailed())
            return;
    }
}

void RandomUser::nextEvent() {
    QLineEdit* box = form->text[pick(5)];
    const int kind = pick(100);
    if (kind < 40) {
        typeKeys(box);
    } else if (kind < 55) {
        typeValidInputs();
    } else if (kind < 62) {
        box->setFocus();
        const bool backspace = chance(0.7);
        log(QString(backspace ? "backspace" : "delete") + " in " + shown(box->text()));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, backspace ? Qt::Key_Backspace : Qt::Key_Delete);
    } else if (kind < 67) {
        const QString pasted = chance(0.5) ? randomText(60) : "1.000.000,5e3 kg " + randomText(8);
        QGuiApplication::clipboard()->setText(pasted);
        box->setFocus();
        if (chance(0.5))
            box->selectAll();
        log("paste " + shown(pasted) + " into " + shown(box->text()));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (kind < 70) {
        box->setFocus();
        static const QKeySequence::StandardKey kEdits[] = {QKeySequence::Undo, QKeySequence::Redo,
                                                           QKeySequence::Cut};
        const QKeySequence::StandardKey edit = kEdits[pick(3)];
        if (edit == QKeySequence::Cut)
            box->selectAll();
        log("edit command " + QKeySequence(edit).toString() + " in " + shown(box->text()));
        const QKeyCombination keys = QKeySequence(edit)[0];
        QTest::keyClick(box, keys.key(), keys.keyboardModifiers());
    } else if (kind < 80) {
        const int level = pick(5);
        log("click level button " + QString::number(level + 1));
        QTest::mouseClick(form->Command1[level], Qt::LeftButton);
    } else if (kind < 92) {
        // Every item of both menus, whatever they list, and the three commands.
        const QList<QAction*> actions = form->Formula->actions() + form->Units->actions() +
                                        QList{form->ItaEng, form->WEB, form->Disclaimer};
        QAction* action = actions[pick(int(actions.size()))];
        log("menu " + shown(action->text()));
        const int startsBefore = browserStarts, disclaimersBefore = disclaimers;
        action->trigger();
        if (action == form->WEB)
            QVERIFY2(browserStarts == startsBefore + 1 && lastAddress == reference::kWebAddress,
                     qPrintable("the web command hands the address over once" + context()));
        if (action == form->Disclaimer) {
            const bool italian = form->Option1->text() == reference::kItalian[0];
            const reference::Box& box =
                italian ? reference::kItalianDisclaimer : reference::kEnglishDisclaimer;
            QVERIFY2(disclaimers == disclaimersBefore + 1 && lastDisclaimerTitle == box.title,
                     qPrintable("the disclaimer shows once, in the window's language" + context()));
        }
    } else if (kind < 99) {
        QRadioButton* option = chance(0.5) ? form->Option1 : form->Option2;
        log("click " + shown(option->text().trimmed()));
        // On the mark, which stands at the right edge of a right-to-left option.
        const int x = option->isRightToLeft() ? option->width() - 10 : 10;
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(x, option->height() / 2));
    } else {
        log("close the window and open a new one");
        openWindow();
    }
}

QString RandomUser::brokenProperty() {
    auto marks = [](const QMenu* menu) {
        return std::ranges::count_if(menu->actions(), &QAction::isChecked);
    };
    if (const auto formulaMarks = marks(form->Formula); formulaMarks != 1)
        return QString("%1 formula marks").arg(formulaMarks);
    if (marks(form->Units) != 1)
        return "not exactly one unit mark";
    for (int i = 0; i < 5; ++i) {
        if (form->text[std::size_t(i)]->text().size() > reference::kMaxLengths[i])
            return "box " + QString::number(i) + " holds more than its maximum length";
    }
    if (changesThisEvent > kMostChangesAnEvent)
        return QString("%1 change events in one event").arg(changesThisEvent);

    AutoSizeLabel* const labels[] = {form->BMRLabel, form->DCNLabel, form->DPNlabel};
    const bool visible = !labels[0]->isHidden();
    if (labels[1]->isHidden() == visible || labels[2]->isHidden() == visible)
        return "the results are neither all shown nor all hidden";
    const bool layout = labels[0]->text() == layoutCaptions[0] &&
                        labels[1]->text() == layoutCaptions[1] &&
                        labels[2]->text() == layoutCaptions[2];
    if (visible && layout && !refreshed)
        return {}; // nothing has refreshed the new window yet: it shows its layout texts
    refreshed = true;

    const ventrimo::Inputs inputs = form->currentInputs();

    if (visible != form->InputsValid())
        return visible ? "results shown for invalid inputs" : "results hidden for valid inputs";
    if (visible != ventrimo::InputsValid(inputs))
        return "the window and the calculation disagree on validity";
    ++checks;
    if (!visible)
        return {};
    ++shownChecks;
    if (ventrimo::Normalised(inputs).text != inputs.text)
        return "results shown while a box still waits for its rewrite";
    const std::optional<ventrimo::Results> results = ventrimo::Calculate(inputs);
    if (!results)
        return "results shown that the calculation cannot give";
    const QString expected[] = {
        QString::fromStdString(ventrimo::ResultCaption("BMR ", results->bmr, " Cal")),
        QString::fromStdString(ventrimo::ResultCaption("DCN ", results->dcn, " Cal")),
        QString::fromStdString(ventrimo::ResultCaption("DPN ", results->dpn, " Grm"))};
    for (int i = 0; i < 3; ++i) {
        if (labels[i]->text() != expected[i])
            return "caption " + shown(labels[i]->text()) + " instead of " + shown(expected[i]);
    }
    if (form->BMR != results->bmr || form->DCN != results->dcn || form->DPN != results->dpn)
        return "the stored results differ from the shown ones";
    return {};
}

QString RandomUser::context() const {
    QString text = QString("\n  seed %1 (VENTRIMO_SEED=%1 replays it), event %2\n  boxes:")
                       .arg(seed)
                       .arg(eventNumber);
    for (QLineEdit* box : form->text)
        text += ' ' + shown(box->text());
    text += QString("\n  formula %1, units %2, sex %3")
                .arg(form->Formula->title(), form->cmkg->isChecked() ? "metric" : "imperial",
                     form->Option1->isChecked()   ? "male"
                     : form->Option2->isChecked() ? "female"
                                                  : "none");
    text += "\n  last events:";
    for (const QString& event : recent)
        text += "\n    " + event;
    return text;
}

void RandomUser::checkAfterEvent() {
    mostChanges = std::max(mostChanges, changesThisEvent);
    const QString broken = brokenProperty();
    changesThisEvent = 0;
    QVERIFY2(broken.isEmpty(), qPrintable(broken + context()));
}

void RandomUser::randomSessions() {
    openWindow();
    if (QTest::currentTestFailed())
        return;
    for (eventNumber = 1; eventNumber <= kEvents; ++eventNumber) {
        changesThisEvent = 0;
        nextEvent();
        if (QTest::currentTestFailed())
            return;
        checkAfterEvent();
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d events, results shown after %d of %d checks, at most %d change events in one; "
          "%d web starts, %d disclaimers",
          kEvents, shownChecks, checks, mostChanges, browserStarts, disclaimers);
    // A run that never reaches results, or never makes the program rewrite a box, proves little.
    QVERIFY2(shownChecks > checks / 20, "the run seldom reached valid inputs");
    QVERIFY2(mostChanges > 1, "no event ever rewrote a box");
}

QTEST_MAIN(RandomUser)
#include "tst_random_user.moc"
