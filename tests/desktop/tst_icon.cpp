// The program's icon: the window's and the application's, compiled in from the XPM, and the PNG
// that the build derives for the desktop's icon theme.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "resources/palette16.h"
#include "scenes.h"

#include <QApplication>
#include <QTest>

namespace {

// The runs of columns that hold any opaque pixel: one for each piece of cutlery.
int standingShapes(const QImage& image) {
    int shapes = 0;
    bool inShape = false;
    for (int x = 0; x < image.width(); ++x) {
        bool opaque = false;
        for (int y = 0; y < image.height(); ++y)
            opaque = opaque || qAlpha(image.pixel(x, y)) != 0;
        shapes += opaque && !inShape;
        inShape = opaque;
    }
    return shapes;
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        prepareApplication();
        scenes::quietPlatform();
    }

    void image_data() {
        QTest::addColumn<QImage>("image");
        const QIcon icon = QApplication::windowIcon();
        QTest::newRow("application icon") << icon.pixmap(QSize(32, 32), 1.0).toImage();
        QTest::newRow("compiled-in XPM") << QImage(":/icons/ventrimo.xpm");
        QTest::newRow("icon theme PNG") << QImage(VENTRIMO_ICON_PNG);
    }

    void image() {
        QFETCH(QImage, image);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(32, 32));
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);

        int black = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = argb.pixel(x, y);
                const QByteArray where = QString("%1,%2").arg(x).arg(y).toLatin1();
                QVERIFY2(qAlpha(pixel) == 0 || qAlpha(pixel) == 255, where.constData());
                if (qAlpha(pixel) == 0)
                    continue;
                QVERIFY2(palette16::indexOf(pixel) >= 0, where.constData());
                QVERIFY2(pixel == qRgb(0, 0, 0), where.constData()); // a black silhouette
                ++black;
            }
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
            QCOMPARE(qAlpha(argb.pixel(corner)), 0);
        QVERIFY2(black > 150 && black < 32 * 32 / 2, qPrintable(QString::number(black)));
        QCOMPARE(standingShapes(argb), 3); // fork, knife, spoon
    }

    void sourceAndThemePngAgree() {
        const QImage source = QImage(":/icons/ventrimo.xpm").convertToFormat(QImage::Format_ARGB32);
        const QImage png = QImage(VENTRIMO_ICON_PNG).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png, source);
    }

    void windowShowsTheIcon() {
        Form1 form;
        const QIcon icon = form.windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(":/icons/ventrimo.xpm").convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(IconTest)
#include "tst_icon.moc"
