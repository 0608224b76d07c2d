// The window as the user first sees it.
#include "window_fixture.h"

#include <QMenuBar>

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void windowIsFixedAndTitled();
    void controlsStandWhereLaidOut_data();
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
    QCOMPARE(w.form->windowTitle(), "Ventrimo");
    QCOMPARE(w.form->centralWidget()->size(), QSize(360, 506));
    QCOMPARE(w.form->minimumSize(), w.form->maximumSize());
    const Qt::WindowFlags flags = w.form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

void LayoutTest::controlsStandWhereLaidOut_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Option1") << "Option1" << QRect(8, 0, 145, 49);
    QTest::newRow("Option2") << "Option2" << QRect(216, 0, 137, 49);
    QTest::newRow("Option3") << "Option3" << QRect(144, 0, 65, 49);
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("text(%d)", i) << QString("text%1").arg(i) << QRect(224, 64 + 56 * i, 89, 29);
        QTest::addRow("Command1(%d)", i)
            << QString("Command1%1").arg(i) << QRect(72 * i, 328, 73, 25);
        const int bandLeft = (i == 1 || i == 3) ? -8 : 0;
        QTest::addRow("Shape(%d)", i)
            << QString("Shape%1").arg(i) << QRect(bandLeft, 56 + 56 * i, 385, 49);
    }
}

void LayoutTest::controlsStandWhereLaidOut() {
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    WindowFixture w;
    Form1& f = *w.form;
    QWidget* control = name == "Option1"   ? f.Option1
                       : name == "Option2" ? f.Option2
                       : name == "Option3" ? f.Option3
                                           : nullptr;
    const int index = name.right(1).toInt();
    if (name.startsWith("text"))
        control = f.text[index];
    else if (name.startsWith("Command1"))
        control = f.Command1[index];
    else if (name.startsWith("Shape"))
        control = f.Shape[index];
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void LayoutTest::boxesRefuseTypingPastTheirLength_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("kept");
    QTest::newRow("age") << 0 << "12";
    QTest::newRow("weight") << 1 << "12345";
    QTest::newRow("height") << 2 << "12345";
    QTest::newRow("fat") << 3 << "12";
    QTest::newRow("level") << 4 << "1";
}

void LayoutTest::boxesRefuseTypingPastTheirLength() {
    QFETCH(int, box);
    QFETCH(QString, kept);
    WindowFixture w;
    w.type(box, "1234567");
    QCOMPARE(w.form->text[box]->text(), kept);
    QCOMPARE(w.form->text[box]->alignment(), Qt::AlignCenter);
}

void LayoutTest::levelButtonsCarryCaptionsAndTags() {
    WindowFixture w;
    const QStringList tags = {"1,2", "1,375", "1,55", "1,725", "1,9"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(w.form->Command1[i]->text(), QString::number(i + 1));
        QCOMPARE(w.form->Command1[i]->Tag, tags[i]);
    }
    // Neighbours overlap by one pixel and the last one is cut at the right edge.
    QCOMPARE(w.form->Command1[0]->geometry().right(), w.form->Command1[1]->x());
    QVERIFY(w.form->Command1[4]->geometry().right() >= w.form->centralWidget()->width());
}

void LayoutTest::startState() {
    WindowFixture w;
    Form1& f = *w.form;
    QVERIFY(!f.Option1->isChecked());
    QVERIFY(!f.Option2->isChecked());
    QVERIFY(f.Option3->isChecked());
    QVERIFY(f.Option3->isHidden());
    QCOMPARE(f.text[4]->text(), "1");
    QCOMPARE(f.text[4]->toolTip(), "1 - 5");
    QCOMPARE(f.Label[4]->toolTip(), "1 - 5");
    for (int i = 0; i < 4; ++i)
        QVERIFY(f.text[i]->text().isEmpty());
    QVERIFY(f.text[1]->toolTip().isEmpty());
    QCOMPARE(f.DPNlabel->text(), "Brought 2 u by Quillan");
    QCOMPARE(f.BMRLabel->text(), "28/04/2012");
    QCOMPARE(f.DCNLabel->text(), kWebAddress);
    QVERIFY(kWebAddress.startsWith("https://"));
    QVERIFY(QUrl(kWebAddress).host().endsWith("example.org"));
    QVERIFY(w.resultsShown());
    const QColor grey(0x40, 0x40, 0x40);
    QCOMPARE(backColor(f.centralWidget()), grey);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(backColor(f.Shape[i]), grey);
        QCOMPARE(backColor(f.text[i]), QColor(0x80, 0x80, 0x80));
        QCOMPARE(backColor(f.Command1[i]), QColor(0x80, 0x80, 0x80));
    }
    QCOMPARE(foreColor(f.DCNLabel), QColor(Qt::white));
    QCOMPARE(backColor(f.Option3), QColor(0x80, 0x40, 0x00));
}

void LayoutTest::menusAsLaidOut() {
    WindowFixture w;
    Form1& f = *w.form;
    QStringList bar;
    for (QAction* action : f.menuBar()->actions())
        bar << action->text();
    QCOMPARE(bar, (QStringList{"Mifflin-St Jeor", "Cm ; Kg", "Ita/Eng", "WEB", "[ (!) ]"}));
    QCOMPARE(f.Formula->actions(), (QList<QAction*>{f.Mifflin, f.Herris, f.Katch}));
    QCOMPARE(f.Mifflin->text(), "Mifflin-St Jeor ");
    QCOMPARE(f.Herris->text(), "Herris-Benedict");
    QCOMPARE(f.Katch->text(), "Katch-McArdle");
    QCOMPARE(f.Units->actions(), (QList<QAction*>{f.cmkg, f.InchPound}));
    QCOMPARE(f.cmkg->text(), "Cm ; Kg");
    QCOMPARE(f.InchPound->text(), "Inches ; Pounds");
    QVERIFY(f.Mifflin->isChecked() && !f.Herris->isChecked() && !f.Katch->isChecked());
    QVERIFY(f.cmkg->isChecked() && !f.InchPound->isChecked());
    for (QAction* command : {f.ItaEng, f.WEB, f.Disclaimer}) {
        QVERIFY(!command->menu());
        QVERIFY(command->shortcut().isEmpty());
    }
}

void LayoutTest::fontsAreBoldAndSized() {
    WindowFixture w;
    Form1& f = *w.form;
    auto pixels = [](const QWidget* control) { return control->font().pixelSize(); };
    for (const QWidget* control :
         {(QWidget*)f.Option1, (QWidget*)f.Option2, (QWidget*)f.text[0], (QWidget*)f.Label[0],
          (QWidget*)f.Command1[0], (QWidget*)f.BMRLabel, (QWidget*)f.DPNlabel}) {
        QCOMPARE(control->font().weight(), QFont::Bold);
        QVERIFY(!control->font().italic());
    }
    QCOMPARE(pixels(f.Option1), 19);
    QCOMPARE(pixels(f.text[0]), 21);
    QCOMPARE(pixels(f.Label[0]), 24);
    QCOMPARE(pixels(f.Command1[0]), 16);
    QCOMPARE(pixels(f.DPNlabel), 27);
    QCOMPARE(pixels(f.BMRLabel), 29);
    QCOMPARE(pixels(f.DCNLabel), 29);
    QCOMPARE(QFontInfo(f.Label[0]->font()).family(), "Liberation Sans");
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
    for (AutoSizeLabel* label : {w.form->Label[0], w.form->DPNlabel, w.form->BMRLabel}) {
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
    QList<QWidget*> expected = {f.Option1,     f.text[0],     f.Command1[0], f.Command1[1],
                                f.Command1[2], f.Command1[3], f.Command1[4], f.text[1],
                                f.text[2],     f.text[3],     f.text[4],     f.Option1};
    f.Option1->setFocus();
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
    for (int i = 0; i < 5; ++i)
        QVERIFY(order.indexOf(w.form->Shape[i]) < order.indexOf(w.form->Label[i]));
    QVERIFY(order.indexOf(w.form->Label[0]) < order.indexOf(w.form->text[0]));
    QVERIFY(w.form->Shape[0]->focusPolicy() == Qt::NoFocus);
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
