// The window as the user first sees it.
#include "window_fixture.h"

#include <QMenuBar>

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void windowIsFixedAndTitled();
    void controlsStandWhereLaidOut();
    void boxesRefuseTypingPastTheirLength_data();
    void boxesRefuseTypingPastTheirLength();
    void levelButtonsCarryCaptionsAndTags();
    void startState();
    void menusAsLaidOut();
    void fontsAreBoldAndSized();
    void labelsAreTransparentAndGrowToTheRight();
    void labelsFitTheirCaptionsAsQtMeasuresThem_data();
    void labelsFitTheirCaptionsAsQtMeasuresThem();
    void resultLabelsAreCentred();
    void tabOrderSkipsLabels();
    void bandsAreDrawnBehindTheLabels();
};

void LayoutTest::windowIsFixedAndTitled() {
    WindowFixture w;
    QCOMPARE(w.form->windowTitle(), reference::kTitle);
    QCOMPARE(w.form->centralWidget()->size(),
             QSize(reference::kClientWidth, reference::kClientHeight) / reference::kTwipsPerPixel);
    QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
    const Qt::WindowFlags flags = w.form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

// Every control whose size the design fixes, in one window: twips to pixels at 96 dots per
// inch.
void LayoutTest::controlsStandWhereLaidOut() {
    WindowFixture w;
    for (const reference::Place& place : reference::kPlaces) {
        QWidget* control = w.control(place.control);
        QVERIFY2(control, qPrintable(place.control));
        const QRect pixels(
            place.left / reference::kTwipsPerPixel, place.top / reference::kTwipsPerPixel,
            place.width / reference::kTwipsPerPixel, place.height / reference::kTwipsPerPixel);
        QVERIFY2(control->geometry() == pixels, qPrintable(place.control));
    }
}

void LayoutTest::boxesRefuseTypingPastTheirLength_data() {
    QTest::addColumn<int>("box");
    for (int box = 0; box < reference::kMaxLengths.size(); ++box)
        QTest::addRow("text(%d)", box) << box;
}

void LayoutTest::boxesRefuseTypingPastTheirLength() {
    QFETCH(int, box);
    WindowFixture w;
    w.type(box, "1234567");
    QCOMPARE(w.form->text[std::size_t(box)]->text(),
             QString("1234567").left(reference::kMaxLengths[box]));
    QCOMPARE(w.form->text[std::size_t(box)]->alignment(), Qt::AlignCenter);
}

void LayoutTest::levelButtonsCarryCaptionsAndTags() {
    WindowFixture w;
    QStringList tags;
    for (const CommandButton* button : w.form->Command1) {
        QCOMPARE(button->text(), QString::number(tags.size() + 1));
        tags << button->Tag;
    }
    QCOMPARE(tags, reference::kLevelTags);
    // Neighbours overlap by one pixel and the last one is cut at the right edge.
    QCOMPARE(w.form->Command1[0]->geometry().right(), w.form->Command1[1]->x());
    QVERIFY(w.form->Command1.back()->geometry().right() >= w.form->centralWidget()->width());
}

void LayoutTest::startState() {
    WindowFixture w;
    Form1& f = *w.form;
    QVERIFY(!f.Option1->isChecked());
    QVERIFY(!f.Option2->isChecked());
    QVERIFY(f.Option3->isChecked());
    QVERIFY(f.Option3->isHidden());
    QCOMPARE(f.text[4]->text(), "1");
    QCOMPARE(f.text[4]->toolTip(), reference::kLevelRange);
    QCOMPARE(f.Label[4]->toolTip(), reference::kLevelRange);
    for (int i = 0; i < 4; ++i)
        QVERIFY(f.text[i]->text().isEmpty());
    QVERIFY(f.text[1]->toolTip().isEmpty());
    QCOMPARE(f.DPNlabel->text(), reference::kCredit);
    QCOMPARE(f.BMRLabel->text(), reference::kBuildDate);
    QCOMPARE(f.DCNLabel->text(), reference::kWebAddress);
    QVERIFY(w.resultsShown());
    verifyTheme(f, reference::kStart);
    QCOMPARE(backColor(f.Option3), reference::kOption3Back);
}

void LayoutTest::menusAsLaidOut() {
    WindowFixture w;
    Form1& f = *w.form;
    QStringList bar;
    for (QAction* action : f.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, reference::kMenuBar);
    // Every item of a menu, in order, and only its first checked.
    auto items = [](const QMenu* menu) {
        QStringList texts;
        for (const QAction* item : menu->actions())
            texts << item->text() + (item->isChecked() ? " (checked)" : "");
        return texts;
    };
    QCOMPARE(f.Formula->actions().mid(0, 3), (QList<QAction*>{f.Mifflin, f.Herris, f.Katch}));
    QStringList formulas = reference::kFormulaItems;
    formulas[0] += " (checked)";
    QCOMPARE(items(f.Formula), formulas);
    QCOMPARE(f.Units->actions(), (QList<QAction*>{f.cmkg, f.InchPound}));
    QCOMPARE(items(f.Units),
             (QStringList{reference::kUnitItems[0] + " (checked)", reference::kUnitItems[1]}));
    for (QAction* command : {f.ItaEng, f.WEB, f.Disclaimer}) {
        QVERIFY(!command->menu());
        QVERIFY(command->shortcut().isEmpty());
    }
}

// Points at 96 dots per inch, as pixel sizes.
void LayoutTest::fontsAreBoldAndSized() {
    WindowFixture w;
    for (const reference::Font& font : reference::kFonts) {
        const QFont actual = w.control(font.control)->font();
        QVERIFY2(actual.weight() == QFont::Bold && !actual.italic(), qPrintable(font.control));
        QCOMPARE(actual.pixelSize(), qRound(font.points * 96 / 72));
    }
    QCOMPARE(QFontInfo(w.form->Label[0]->font()).family(), "Liberation Sans");
}

void LayoutTest::labelsAreTransparentAndGrowToTheRight() {
    WindowFixture w;
    AutoSizeLabel* label = w.form->Label[3];
    QVERIFY(!label->autoFillBackground());
    const QPoint corner = label->pos();
    const int width = label->width();
    label->setText(label->text() + " and more");
    QCOMPARE(label->pos(), corner);
    QVERIFY(label->width() > width);
    QCOMPARE(label->size(), label->sizeHint());
}

void LayoutTest::labelsFitTheirCaptionsAsQtMeasuresThem_data() {
    QTest::addColumn<QString>("caption");
    for (const char* caption :
         {"Età", "Peso [Kg]", "Altezza [In]", "Grasso %", "Livello di attività", "Weight [Lb]",
          "Height [Cm]", "Fat %", "Activity level", "BMR  1780 Cal", "DCN -768 Cal", "DPN  128 Grm",
          "Brought 2 u by Quillan", "28/04/2012", "https://example.org"})
        QTest::newRow(caption) << QString::fromUtf8(caption);
}

// The labels measure their captions the quick way; it must never give less room than Qt's
// full text layout, or a caption would be cut.
void LayoutTest::labelsFitTheirCaptionsAsQtMeasuresThem() {
    QFETCH(QString, caption);
    WindowFixture w;
    for (AutoSizeLabel* label : std::initializer_list<AutoSizeLabel*>{
             w.form->Label[0], w.form->DPNlabel, w.form->BMRLabel}) {
        label->setText(caption);
        QCOMPARE(label->size(), label->QLabel::sizeHint());
    }
}

void LayoutTest::resultLabelsAreCentred() {
    WindowFixture w;
    for (QLabel* label :
         {(QLabel*)w.form->DPNlabel, (QLabel*)w.form->BMRLabel, (QLabel*)w.form->DCNLabel}) {
        const int gapLeft = label->x();
        const int gapRight = 360 - label->geometry().right() - 1;
        QVERIFY2(qAbs(gapLeft - gapRight) <= 1, qPrintable(label->text()));
        QVERIFY(gapLeft >= 0); // the web address fits
    }
    QCOMPARE(w.form->DPNlabel->y(), 368);
    QCOMPARE(w.form->BMRLabel->y(), 408);
    QCOMPARE(w.form->DCNLabel->y(), 456);
}

void LayoutTest::tabOrderSkipsLabels() {
    WindowFixture w;
    Form1& f = *w.form;
    // The two sex options are one stop, as an option group is; arrows move within it.
    QList<QWidget*> expected = {f.Option1, f.text[0]};
    for (CommandButton* level : f.Command1)
        expected << level;
    expected << f.text[1] << f.text[2] << f.text[3] << f.text[4] << f.Option1;
    f.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), f.Option1); // where the focus goes first
    QList<QWidget*> visited = {QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
    QTest::keyClick(f.Option1, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), f.Option2);
}

void LayoutTest::bandsAreDrawnBehindTheLabels() {
    WindowFixture w;
    QWidget* client = w.form->centralWidget();
    const QObjectList& order = client->children(); // back to front
    for (std::size_t i = 0; i < w.form->Shape.size(); ++i)
        QVERIFY(order.indexOf(w.form->Shape[i]) < order.indexOf(w.form->Label[i]));
    QVERIFY(order.indexOf(w.form->Label[0]) < order.indexOf(w.form->text[0]));
    QVERIFY(w.form->Shape[0]->focusPolicy() == Qt::NoFocus);
}

WINDOW_TEST_MAIN(LayoutTest)
#include "tst_layout.moc"
