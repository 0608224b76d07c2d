// The results' menus in the real window: copying a result, the working and the targets.
#include "window_fixture.h"

#include <QClipboard>
#include <QMessageBox>

class ResultMenusTest : public QObject {
    Q_OBJECT

  private slots:
    void resultsAreSelectedAndCopied();
    void workingOpensByMouseAndKeyboard_data();
    void workingOpensByMouseAndKeyboard();
    void workingFitsAndIsCopiedWhole();
};

// The mouse selects part of a result and Ctrl+C copies it; the context menu, in the window's
// language, copies the whole caption. Afterwards the label looks as it did.
void ResultMenusTest::resultsAreSelectedAndCopied() {
    WindowFixture w;
    w.form->activateWindow();
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

void ResultMenusTest::workingOpensByMouseAndKeyboard_data() {
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
void ResultMenusTest::workingOpensByMouseAndKeyboard() {
    QFETCH(QStringList, items);
    QFETCH(QString, firstMessage);
    WindowFixture w;
    w.form->activateWindow();
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
        w.form->activateWindow();
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
        for (QWidget* control : QWidgetList{w.form->text[1], w.form->Command1[0]}) {
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
void ResultMenusTest::workingFitsAndIsCopiedWhole() {
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
        box->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), box);
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

WINDOW_TEST_MAIN(ResultMenusTest)
#include "tst_result_menus.moc"
