// The window at a device pixel ratio of 2 (CTest runs this with QT_SCALE_FACTOR=2): the same
// layout in device-independent pixels as at ratio 1, drawn at full resolution, nothing cut.
//
// Started with --print-layout it prints the layout instead; the test runs a copy of itself that
// way at ratio 1 to compare with.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "scenes.h"

#include <QApplication>
#include <QProcess>
#include <QStyle>
#include <QTest>

#include <cstdio>

namespace {

// The client area's size and every control's place in it and its font's size, one line each,
// in creation order. The menu bar is left out: it takes the desktop's font.
QStringList layoutOf(Form1& form) {
    QWidget* client = form.centralWidget();
    QStringList lines{QString("client %1x%2").arg(client->width()).arg(client->height())};
    for (QWidget* widget : client->findChildren<QWidget*>()) {
        const QRect place(widget->mapTo(client, QPoint(0, 0)), widget->size());
        lines << QString("%1 %2,%3 %4x%5 %6 font %7px")
                     .arg(widget->metaObject()->className())
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height())
                     .arg(widget->isVisible() ? "shown" : "hidden")
                     .arg(QFontInfo(widget->font()).pixelSize());
    }
    return lines;
}

int printLayout(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    scenes::quietPlatform();
    Form1 form;
    scenes::play(form, scenes::Scene::Male);
    form.show();
    std::printf("%s\n", qPrintable(layoutOf(form).join('\n')));
    return 0;
}

} // namespace

class HiDpiTest : public QObject {
    Q_OBJECT

    Form1* form = nullptr;

  private slots:
    void initTestCase() {
        prepareApplication();
        scenes::quietPlatform();
        form = new Form1;
        scenes::play(*form, scenes::Scene::Male);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QCOMPARE(form->devicePixelRatio(), 2.0);
    }
    void cleanupTestCase() { delete form; }

    void layoutIsTheOneOfRatioOne() {
        QProcess ratioOne;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_SCALE_FACTOR", "1");
        ratioOne.setProcessEnvironment(environment);
        ratioOne.start(QCoreApplication::applicationFilePath(), {"--print-layout"});
        QVERIFY(ratioOne.waitForFinished(60000));
        QCOMPARE(ratioOne.exitCode(), 0);
        const QStringList expected =
            QString::fromUtf8(ratioOne.readAllStandardOutput()).trimmed().split('\n');
        const QStringList actual = layoutOf(*form);
        QCOMPARE(actual.size(), expected.size());
        for (qsizetype i = 0; i < actual.size(); ++i)
            QCOMPARE(actual[i], expected[i]);
    }

    void drawnAtFullResolution() {
        const QImage picture = form->grab().toImage();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), form->size() * 2);
    }

    void labelsAreWhole() {
        const QRect client = form->centralWidget()->rect();
        QList<QLabel*> labels{form->BMRLabel, form->DCNLabel, form->DPNlabel};
        for (QLabel* label : form->Label)
            labels << label;
        for (QLabel* label : labels) {
            QVERIFY(label->isVisible());
            const QByteArray name = label->text().toUtf8();
            QVERIFY2(label->width() >= label->sizeHint().width(), name.constData());
            QVERIFY2(label->height() >= label->sizeHint().height(), name.constData());
            QVERIFY2(client.contains(label->geometry()), name.constData());
        }
    }

    void captionsFitTheirControls() {
        for (CommandButton* level : form->Command1) {
            const int caption = level->fontMetrics().horizontalAdvance(level->text());
            QVERIFY(caption < level->width());
        }
        for (QLineEdit* box : form->text) {
            const int room = box->contentsRect().width() - 4; // the frame's inner margin
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= room,
                     qPrintable(box->text()));
        }
        // Her caption is padded with spaces that may run off the far side; the words must show.
        for (QRadioButton* sex : {form->Option1, form->Option2}) {
            const QStyle* style = sex->style();
            const int mark = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, sex) +
                             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, sex);
            const int words = sex->fontMetrics().horizontalAdvance(sex->text().trimmed());
            QVERIFY2(mark + words <= sex->width(), qPrintable(sex->text()));
        }
    }
};

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--print-layout")
            return printLayout(argc, argv);
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
