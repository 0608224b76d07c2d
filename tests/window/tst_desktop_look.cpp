// The window under the desktop's font, theme and keys: the menu bar's entries and the
// disclaimer's lines whole in any font (CTest runs it under GTK too), the active entry marked.
#include "app/contrast.h"
#include "localisation/texts.h"
#include "window_fixture.h"
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextLayout>
#include <QToolButton>

// The words on each line of a label's text, wrapped at its width as the label wraps it.
static QList<int> wordsOnEachLine(const QLabel& label) {
    QList<int> words;
    for (const QString& paragraph : label.text().split('\n')) {
        QTextLayout layout(paragraph, label.font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.contentsRect().width());
            words << int(paragraph.mid(line.textStart(), line.textLength()).split(' ').size());
        }
        layout.endLayout();
    }
    return words;
}

class DesktopLookTest : public QObject {
    Q_OBJECT
    const QFont desktopFont = QApplication::font();

  private slots:
    void cleanup() {
        QApplication::setFont(desktopFont);
        QApplication::setPalette(QPalette());
    }

    void textsStayWholeInTheFont_data() { // no font: the desktop's own, the platform theme's
        QTest::addColumn<QFont>("font");
        QTest::newRow("desktop's") << QFont();
        QTest::newRow("Cantarell 11") << QFont("Cantarell", 11);
        QTest::newRow("Sans 12") << QFont("Sans", 12);
        QTest::newRow("Sans 20") << QFont("Sans", 20);
    }
    void textsStayWholeInTheFont() {
        QFETCH(QFont, font);
        QApplication::setFont(font.resolveMask() ? font : desktopFont);
        WindowFixture w;
        const Form1& f = *w.form;
        for (QAction* language : {f.ItaEng, f.ItaEng})
            for (QAction* formula : {f.Mifflin, f.Herris, f.Katch})
                for (QAction* units : {f.cmkg, f.InchPound, language}) {
                    formula->trigger();
                    units->trigger();
                    QVERIFY(f.menuBar()->findChild<QToolButton*>()->isHidden()); // no "»"
                }
        platform::showMessage.replace({}); // the real box
        QList<int> words;
        int widest = 0; // of the text's two lines
        QTimer::singleShot(0, [&words, &widest] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const QLabel& label = *box->findChild<QLabel*>("qt_msgbox_label");
            words = wordsOnEachLine(label);
            for (const QString& line : label.text().split('\n'))
                widest = qMax(widest, label.fontMetrics().horizontalAdvance(line));
            box->button(QMessageBox::Ok)->click();
        });
        w.form->Disclaimer->trigger();
        QVERIFY2(!words.contains(1), "a line of a single word");
        // Both lines whole where an 800-pixel screen holds them (Qt's box margins take 60).
        QVERIFY(words.size() == 2 || widest > 800 - 60);
    }

    void activeEntryStandsOut_data() {
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<QPalette>("desktop"); // a dark one as a dark GTK or KDE theme gives it
        QTest::newRow("keyboard, light") << true << QPalette();
        QTest::newRow("mouse, light") << false << QPalette();
        QTest::newRow("keyboard, dark") << true << QPalette(QColor(0x35, 0x35, 0x35));
        QTest::newRow("mouse, dark") << false << QPalette(QColor(0x35, 0x35, 0x35));
        QPalette faint; // a highlight at 2.5 : 1 from the bar, too faint to mark an entry
        faint.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
        faint.setColor(QPalette::Highlight, QColor(0x5c, 0x9f, 0xd6));
        QTest::newRow("keyboard, faint highlight") << true << faint;
    }
    void activeEntryStandsOut() {
        QFETCH(bool, keyboard);
        QFETCH(QPalette, desktop);
        QApplication::setPalette(desktop);
        WindowFixture w;
        QMenuBar* bar = w.form->menuBar();
        const QRect entry = bar->actionGeometry(w.form->WEB);
        if (keyboard) { // F10 opens the first menu, Escape closes it, arrows walk the bar
            QTest::keyClick(w.form->text[1], Qt::Key_F10);
            QTRY_VERIFY(w.form->Formula->isVisible());
            QTest::keyClick(w.form->Formula, Qt::Key_Escape);
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(bar, Qt::Key_Right);
        } else {
            QMouseEvent hover(QEvent::MouseMove, entry.center(), bar->mapToGlobal(entry.center()),
                              Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(bar, &hover);
        }
        QTRY_COMPARE(bar->activeAction(), w.form->WEB);
        const QImage picture = bar->grab().toImage();
        const int middle = picture.height() / 2;
        QVERIFY2(contrast::ratio(picture.pixelColor(entry.left() + 2, middle),
                                 picture.pixelColor(picture.width() - 4, middle)) >= 3,
                 "the active entry is not marked");
        QTest::keyClick(bar, Qt::Key_Escape); // leaves the bar
        QCOMPARE(bar->activeAction(), nullptr);
    }

    // Real key events through the window, as the platform delivers them, in either language.
    void menuBarFromTheKeys_data() {
        QTest::addColumn<QString>("word"); // Option1's caption, which names the language
        QTest::newRow("english") << kEnglish;
        QTest::newRow("italian") << kItalian;
    }
    void menuBarFromTheKeys() {
        QFETCH(QString, word);
        WindowFixture w;
        Form1& f = *w.form;
        chooseLanguage(f, word, false);
        const std::optional<texts::Language> language = f.language();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QMenuBar* bar = f.menuBar();
        f.text[0]->setFocus();
        auto keys = [&f](std::initializer_list<Qt::Key> pressed) {
            for (Qt::Key key : pressed)
                QTest::keyClick(f.windowHandle(), key);
        };
        auto on = [bar](QAction* entry) { // the bar has the keys, and a menu entry is open
            return bar->activeAction() == entry &&
                   QApplication::activePopupWidget() == entry->menu() &&
                   (entry->menu() || bar->hasFocus());
        };
        auto inTheForm = [&f, bar] { return f.text[0]->hasFocus() && !bar->activeAction(); };
        const QList<QAction*> entries = bar->actions();
        keys({Qt::Key_F10});
        QVERIFY(on(entries[0]));
        for (int i : {1, 2, 3, 4, 0}) { // Right through all five and round, then Left
            keys({Qt::Key_Right});
            QVERIFY2(on(entries[i]), qPrintable(entries[i]->text()));
        }
        for (int i : {4, 3, 2}) {
            keys({Qt::Key_Left});
            QVERIFY2(on(entries[i]), qPrintable(entries[i]->text()));
        }
        keys({Qt::Key_5, Qt::Key_Space}); // the bar's keys, not the box's; Space runs Ita/Eng
        QVERIFY(inTheForm() && f.text[0]->text().isEmpty() && f.language() != language);
        keys({Qt::Key_F10, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return});
        QVERIFY(inTheForm() && f.language() == language);
        keys({Qt::Key_F10, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down});
        keys({Qt::Key_F10, Qt::Key_Left, Qt::Key_Enter});
        QCOMPARE(w.openedAddresses.size() + w.boxes.size(), 2);
        QTRY_VERIFY(QApplication::activeWindow() == &f);
        keys({Qt::Key_F10, Qt::Key_Escape}); // closes the menu, the bar stays
        QVERIFY(bar->hasFocus() && bar->activeAction() == f.Formula->menuAction());
        keys({Qt::Key_Escape});
        QVERIFY(inTheForm());
    }
};

WINDOW_TEST_MAIN(DesktopLookTest)
#include "tst_desktop_look.moc"
