// The program's icon: the window's and the application's, compiled in from the XPM drawings,
// and the PNGs that the build derives for the desktop's icon theme.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "resources/palette16.h"
#include "scenes.h"

#include <QApplication>
#include <QTest>

namespace {

QImage themePng(int side) {
    return QImage(QString(VENTRIMO_ICON_DIR "/hicolor/%1x%1/apps/ventrimo.png").arg(side));
}

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
        QTest::newRow("icon theme PNG") << themePng(32);
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
        QCOMPARE(themePng(32).convertToFormat(QImage::Format_ARGB32), source);
        const QImage small =
            QImage(":/icons/ventrimo16.xpm").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(small.size(), QSize(16, 16));
        QCOMPARE(themePng(16).convertToFormat(QImage::Format_ARGB32), small);
        QCOMPARE(standingShapes(small), 3);
    }

    // The larger sizes are a drawing taken a whole number of times, with a white outline round
    // the black silhouette and nothing else.
    void largerSizesEnlargeTheDrawings_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("source");
        QTest::newRow("48") << 48 << ":/icons/ventrimo16.xpm";
        for (int side : {64, 128, 256})
            QTest::addRow("%d", side) << side << ":/icons/ventrimo.xpm";
    }

    void largerSizesEnlargeTheDrawings() {
        QFETCH(int, side);
        QFETCH(QString, source);
        const QImage drawing = QImage(source).convertToFormat(QImage::Format_ARGB32);
        const QImage png = themePng(side).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png.size(), QSize(side, side));
        const int factor = side / drawing.width();
        auto drawn = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < side && y < side &&
                   qAlpha(drawing.pixel(x / factor, y / factor)) != 0;
        };
        int outline = 0;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                bool touches = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        touches = touches || drawn(x + dx, y + dy);
                const QRgb expected = drawn(x, y) ? qRgb(0, 0, 0)
                                      : touches   ? qRgb(255, 255, 255)
                                                  : qRgba(0, 0, 0, 0);
                QVERIFY2(png.pixel(x, y) == expected ||
                             (qAlpha(expected) == 0 && qAlpha(png.pixel(x, y)) == 0),
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
                outline += expected == qRgb(255, 255, 255);
            }
        QVERIFY(outline > 0);
    }

    void windowShowsTheIcon() {
        Form1 form;
        const QIcon icon = form.windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(":/icons/ventrimo.xpm").convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(":/icons/ventrimo16.xpm").convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(IconTest)
#include "tst_icon.moc"
