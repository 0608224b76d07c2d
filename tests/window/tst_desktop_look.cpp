// The window under the desktop's font, theme and keys: every menu bar entry visible and whole
// in any font, the active entry marked, F10 and Escape, and the disclaimer's lines unbroken.
// CTest also runs the font cases under the GTK platform theme with GNOME's fonts.
#include "window_fixture.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextLayout>
#include <QToolButton>

namespace {

double luminance(QRgb c) {
    auto channel = [](int v) {
        return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The words on each line of a label's text, wrapped at its width as the label wraps it.
QList<int> wordsOnEachLine(const QLabel& label) {
    QList<int> words;
    for (const QString& paragraph : label.text().split('\n')) {
        QTextLayout layout(paragraph, label.font());
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.contentsRect().width());
            const QString text = paragraph.mid(line.textStart(), line.textLength());
            words << int(text.split(' ', Qt::SkipEmptyParts).size());
        }
        layout.endLayout();
    }
    return words;
}

} // namespace

class DesktopLookTest : public QObject {
    Q_OBJECT

    QFont desktopFont;

  private slots:
    void initTestCase() { desktopFont = QApplication::font(); }
    void cleanup() {
        QApplication::setFont(desktopFont);
        QApplication::setPalette(QPalette());
    }

    // Without a font, the desktop's own (the platform theme's).
    void menuBarFitsTheFont_data() {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("fitsTheScreen"); // the disclaimer's longest line
        QTest::newRow("desktop's") << "" << 0 << (QFontInfo(desktopFont).pixelSize() <= 16);
        QTest::newRow("Cantarell 11") << "Cantarell" << 11 << true;
        QTest::newRow("Sans 12") << "Sans" << 12 << true;
        QTest::newRow("Sans 20") << "Sans" << 20 << false;
    }
    void menuBarFitsTheFont() {
        QFETCH(QString, family);
        QFETCH(int, points);
        if (points)
            QApplication::setFont(QFont(family, points));
        WindowFixture w;
        const Form1& f = *w.form;
        QMenuBar* bar = f.menuBar();
        for (QAction* language : {f.ItaEng, f.ItaEng})
            for (QAction* formula : {f.Mifflin, f.Herris, f.Katch})
                for (QAction* units : {f.cmkg, f.InchPound, language}) {
                    formula->trigger();
                    units->trigger();
                    QVERIFY(bar->findChild<QToolButton*>()->isHidden()); // no "»"
                    for (QAction* entry : bar->actions()) {
                        const QRect place = bar->actionGeometry(entry);
                        QVERIFY2(bar->rect().contains(place), qPrintable(entry->text()));
                        QVERIFY(place.width() >
                                bar->fontMetrics().horizontalAdvance(entry->text()));
                    }
                }
    }

    void activeEntryStandsOut_data() {
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<bool>("dark");
        QTest::newRow("keyboard, light") << true << false;
        QTest::newRow("mouse, light") << false << false;
        QTest::newRow("keyboard, dark") << true << true;
        QTest::newRow("mouse, dark") << false << true;
    }
    void activeEntryStandsOut() {
        QFETCH(bool, keyboard);
        QFETCH(bool, dark);
        if (dark) // as a dark GTK or KDE theme hands it to Qt
            QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
        WindowFixture w;
        QMenuBar* bar = w.form->menuBar();
        const QRect entry = bar->actionGeometry(w.form->WEB);
        if (keyboard) {
            QTest::keyClick(w.form.get(), Qt::Key_Alt);
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(bar, Qt::Key_Right);
        } else {
            QMouseEvent hover(QEvent::MouseMove, entry.center(), bar->mapToGlobal(entry.center()),
                              Qt::NoButton, Qt::NoButton, {});
            QApplication::sendEvent(bar, &hover);
        }
        QTRY_COMPARE(bar->activeAction(), w.form->WEB);
        const QImage picture = bar->grab().toImage();
        QHash<QRgb, int> colours; // the entry's ground: its most frequent colour
        for (int y = entry.top(); y <= entry.bottom(); ++y)
            for (int x = entry.left(); x <= entry.right(); ++x)
                ++colours[picture.pixel(x, y)];
        const QRgb ground =
            std::max_element(colours.keyValueBegin(), colours.keyValueEnd(), [](auto a, auto b) {
                return a.second < b.second;
            })->first;
        const double l1 = luminance(ground), l2 = luminance(picture.pixel(bar->width() - 4, 4));
        QVERIFY2((qMax(l1, l2) + 0.05) / (qMin(l1, l2) + 0.05) >= 3,
                 "the entry does not stand out");
    }

    void f10OpensTheFirstMenuAndEscapeLeaves() {
        WindowFixture w;
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.form->text[1]->setFocus();
        QTest::keyClick(w.form->text[1], Qt::Key_F10);
        QTRY_VERIFY(w.form->Formula->isVisible());
        QTest::keyClick(w.form->Formula, Qt::Key_Escape);
        QTRY_VERIFY(!w.form->Formula->isVisible());
        QTest::keyClick(w.form->menuBar(), Qt::Key_Escape);
        QCOMPARE(w.form->menuBar()->activeAction(), nullptr);
        QTRY_COMPARE(QApplication::focusWidget(), w.form->text[1]);
    }

    void disclaimerKeepsItsLines_data() { menuBarFitsTheFont_data(); }
    void disclaimerKeepsItsLines() {
        QFETCH(QString, family);
        QFETCH(int, points);
        QFETCH(bool, fitsTheScreen);
        if (points)
            QApplication::setFont(QFont(family, points));
        WindowFixture w;
        platform::showMessage.replace({}); // the real box
        QList<int> words;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
            words = wordsOnEachLine(*label);
            box->button(QMessageBox::Ok)->click();
        });
        w.form->Disclaimer->trigger();
        QVERIFY2(!words.contains(1), "a line of a single word");
        if (fitsTheScreen)
            QCOMPARE(words.size(), 2);
    }
};

WINDOW_TEST_MAIN(DesktopLookTest)
#include "tst_desktop_look.moc"
