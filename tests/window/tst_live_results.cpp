// The results following the user's typing and clicks in the real window.
#include "window_fixture.h"

#include <QClipboard>
#include <QMessageBox>
#include <QRegularExpression>

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
    void resultsAreSelectedAndCopied();
    void workingOpensByMouseAndKeyboard_data();
    void workingOpensByMouseAndKeyboard();
    void workingFitsAndIsCopiedWhole();
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
    const QStringList all = {"30", "80", "180", "", "3"}, noAge = {"", "80", "180", "", "3"},
                      huge = {"30", "9e37", "180", "", "3"};
    // clang-format off
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

// The mouse selects part of a result and Ctrl+C copies it; the context menu, in the window's
// language, copies the whole caption. Afterwards the label looks as it did.
void LiveResultsTest::resultsAreSelectedAndCopied() {
    WindowFixture w;
    QApplication::setActiveWindow(w.form.get());
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "3"});
    ResultLabel* bmr = w.form->BMRLabel;
    const QImage before = bmr->grab().toImage();
    const QString caption = bmr->text();
    const QFontMetricsF metrics(bmr->font());
    const qreal left = (bmr->width() - metrics.horizontalAdvance(caption)) / 2;
    auto at = [&](qsizetype characters) {
        return QPoint(qRound(left + metrics.horizontalAdvance(caption.left(characters))),
                      bmr->height() / 2);
    };
    QTest::mousePress(bmr, Qt::LeftButton, {}, at(5));
    QTest::mouseMove(bmr, at(9));
    QTest::mouseRelease(bmr, Qt::LeftButton, {}, at(9));
    QTest::keyClick(bmr, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "1780");

    QStringList offered;
    for (bool italian : {false, true}) {
        if (italian)
            chooseLanguage(*w.form, kItalian);
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            offered << menu->actions().value(0)->text();
            menu->actions().value(0)->trigger();
            menu->close();
        });
        QGuiApplication::clipboard()->clear();
        QContextMenuEvent request(QContextMenuEvent::Mouse, at(2), bmr->mapToGlobal(at(2)));
        QApplication::sendEvent(w.form->DPNlabel, &request);
        QCOMPARE(QGuiApplication::clipboard()->text(), w.form->DPNlabel->text());
    }
    QCOMPARE(offered, (QStringList{"Copy", "Copia"}));

    w.form->text[0]->setFocus(); // the selection ends when the label loses the focus
    QCOMPARE(bmr->text(), caption);
    QCOMPARE(bmr->grab().toImage(), before);
}

void LiveResultsTest::workingOpensByMouseAndKeyboard_data() {
    QTest::addColumn<QStringList>("items"); // English, Italian
    QTest::addColumn<QString>("firstMessage");
    QTest::newRow("working") << QStringList{reference::kWorkingEnglish, reference::kWorkingItalian}
                             << "BMR = 10 × 80 kg + 6,25 × 180 cm − 5 × 30 years + 5 = 1780 Cal";
    QTest::newRow("targets") << reference::kTargets
                             << "Lose 1 kg a week: 2136 − 1100 = 1036 Cal — below your BMR, "
                                "below 1500 Cal: only under medical supervision";
}

// The working's and the targets' (last) items in a context menu: from a result label by the
// mouse, a box by Shift+F10, a level button by the menu key, in both languages; not unless shown.
void LiveResultsTest::workingOpensByMouseAndKeyboard() {
    QFETCH(QStringList, items);
    QFETCH(QString, firstMessage);
    WindowFixture w;
    QApplication::setActiveWindow(w.form.get());
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    w.clickOption(w.form->Option1);
    w.typeAll({"30", "80", "180", "", "1"});
    QString item;
    QStringList offered;
    // Waits for the next context menu, notes its last item, chooses the item asked for.
    auto chooseFromMenu = [&] {
        auto* poll = new QTimer(w.form.get());
        QObject::connect(poll, &QTimer::timeout, poll, [&, poll] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll->deleteLater();
            QAction* last = menu->actions().value(menu->actions().size() - 1);
            offered << last->text();
            for (QAction* action : menu->actions())
                if (action->text() == item)
                    action->trigger();
            menu->close();
        });
        poll->start(10);
    };
    auto shiftF10 = [&w] { // after a menu has closed, the window is active again
        QApplication::setActiveWindow(w.form.get());
        QTest::keyClick(w.form->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
    };
    for (bool italian : {false, true}) {
        if (italian)
            chooseLanguage(*w.form, kItalian);
        item = items[italian];
        chooseFromMenu();
        const QPoint inside(5, 5);
        QContextMenuEvent request(QContextMenuEvent::Mouse, inside,
                                  w.form->BMRLabel->mapToGlobal(inside));
        QApplication::sendEvent(w.form->BMRLabel, &request);
        for (QWidget* control :
             {static_cast<QWidget*>(w.form->text[1]), static_cast<QWidget*>(w.form->Command1[0])}) {
            chooseFromMenu();
            control->setFocus();
            shiftF10();
        }
        QCOMPARE(w.boxes.size(), italian ? 6 : 3);
        for (const reference::Box& box : w.boxes.mid(w.boxes.size() - 3))
            QCOMPARE(box.title, item);
    }
    QVERIFY2(w.boxes.first().message.startsWith(firstMessage), qPrintable(w.boxes[0].message));
    QCOMPARE(w.copyCaptions, (QStringList{"Copy", "Copy", "Copy", "Copia", "Copia", "Copia"}));
    QVERIFY(w.boxes.last().message.contains(QRegularExpression("(livello 1: sedentario)|Perdere")));
    QCOMPARE(offered,
             QStringList(3, reference::kTargets[0]) + QStringList(3, reference::kTargets[1]));

    w.type(0, ""); // no results, no working
    chooseFromMenu();
    shiftF10();
    QCOMPARE(offered.size(), 7);
    QVERIFY(offered.last() != item);
}

// With the longest inputs, every formula and unit system in both languages: no line of the
// working wider than the box on a 1024 × 768 screen. The real box copies the whole working by
// Ctrl+C and by its Copy button, which leaves it open.
void LiveResultsTest::workingFitsAndIsCopiedWhole() {
    WindowFixture w;
    w.clickOption(w.form->Option1);
    w.typeAll({"99", "99999", "99999", "99", "5"});
    const QFontMetrics metrics(QApplication::font("QMessageBoxLabel"));
    for (bool italian : {false, true})
        for (QAction* formula : {w.form->Mifflin, w.form->Herris, w.form->Katch})
            for (QAction* units : {w.form->cmkg, w.form->InchPound}) {
                if (italian && formula == w.form->Mifflin && units == w.form->cmkg)
                    chooseLanguage(*w.form, kItalian);
                formula->trigger();
                units->trigger();
                w.form->showWorking();
                for (const QString& line : w.boxes.last().message.split('\r'))
                    QVERIFY2(metrics.horizontalAdvance(line) <= 1024 - 60, qPrintable(line));
            }
    QCOMPARE(w.boxes.size(), 12);
    const QString working = w.boxes.last().message.replace('\r', '\n');
    platform::showCopyable.replace({}); // the real box
    QStringList copied;
    bool openAfterCopy = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(box->findChild<QLabel*>("qt_msgbox_label")->textInteractionFlags() &
                Qt::TextSelectableByKeyboard);
        QApplication::setActiveWindow(box);
        QVERIFY(QTest::qWaitForWindowActive(box));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        copied << QGuiApplication::clipboard()->text();
        QGuiApplication::clipboard()->clear();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "Copia")
                button->click();
        copied << QGuiApplication::clipboard()->text();
        openAfterCopy = box->isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    w.form->showWorking();
    QCOMPARE(copied, QStringList({working, working}));
    QVERIFY(openAfterCopy);
}

WINDOW_TEST_MAIN(LiveResultsTest)
#include "tst_live_results.moc"
