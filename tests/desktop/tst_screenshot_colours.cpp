// The colours of a picture of the window, sampled on the window's ground, a band, a level button
// and an input box, against the colours the window has at start and in each sex's theme.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "reference.h"
#include "scenes.h"

#include <QTest>

#include <cstdlib>

using scenes::Scene;

Q_DECLARE_METATYPE(scenes::Scene)

namespace {

enum class Part { Window, Band, LevelButton, Box };

// Buttons are drawn with a slight gradient and boxes with a frame: a sample may stray this far
// from the colour asked for in any channel.
constexpr int kTolerance = 24;

bool near(QRgb actual, QRgb expected) {
    return std::abs(qRed(actual) - qRed(expected)) <= kTolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= kTolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= kTolerance;
}

// The point of the client area nearest to its centre where nothing but the ground is drawn.
QPoint bareGround(const Form1& form) {
    const QWidget* client = form.centralWidget();
    const QPoint centre = client->rect().center();
    QPoint best(-1, -1);
    for (int y = 2; y < client->height() - 2; ++y)
        for (int x = 2; x < client->width() - 2; ++x) {
            const bool bare =
                !client->childAt(QPoint(x, y)) && !client->childAt(QPoint(x - 2, y)) &&
                !client->childAt(QPoint(x + 2, y)) && !client->childAt(QPoint(x, y - 2)) &&
                !client->childAt(QPoint(x, y + 2));
            if (bare && (best.x() < 0 || (QPoint(x, y) - centre).manhattanLength() <
                                             (best - centre).manhattanLength()))
                best = QPoint(x, y);
        }
    return best;
}

// A point of the band that no label or box covers.
QPoint bareBand(const Form1& form, const QWidget* band) {
    const QWidget* client = form.centralWidget();
    for (int x = band->width() / 2; x > 0; --x) {
        const QPoint inBand(x, band->height() / 2);
        if (client->childAt(band->mapTo(client, inBand)) == band)
            return inBand;
    }
    return {-1, -1};
}

struct Sample {
    const QWidget* control;
    QPoint point;
};

Sample sampleOf(const Form1& form, Part part, int row) {
    const auto i = std::size_t(row);
    switch (part) {
    case Part::Window:
        return {form.centralWidget(), bareGround(form)};
    case Part::Band:
        return {form.Shape[i], bareBand(form, form.Shape[i])};
    case Part::LevelButton: // left of the centred caption, inside the border
        return {form.Command1[i],
                QPoint(form.Command1[i]->width() / 5, form.Command1[i]->height() / 2)};
    case Part::Box: // between the frame and the centred text
        return {form.text[i], QPoint(5, form.text[i]->height() / 2)};
    }
    return {};
}

} // namespace

class ScreenshotColoursTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        prepareApplication();
        scenes::quietPlatform();
    }

    void colours_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<int>("part");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRgb>("expected");
        const std::pair<Scene, const reference::Theme*> themes[] = {
            {Scene::Start, &reference::kStart},
            {Scene::Male, &reference::kMale},
            {Scene::Female, &reference::kFemale}};
        for (const auto& [scene, theme] : themes) {
            auto row = [&, scene = scene, theme = theme](const char* part, Part which, int index,
                                                         const QColor& colour) {
                QTest::addRow("%s %s %d", theme->name, part, index)
                    << scene << int(which) << index << colour.rgb();
            };
            row("window", Part::Window, 0, theme->window);
            for (int i : {0, 4}) {
                row("band", Part::Band, i, theme->bands);
                row("level button", Part::LevelButton, i, theme->levelButtons);
                row("box", Part::Box, i, theme->boxes);
            }
        }
    }

    void colours() {
        QFETCH(Scene, scene);
        QFETCH(int, part);
        QFETCH(int, row);
        QFETCH(QRgb, expected);

        Form1 form;
        scenes::play(form, scene);
        const QImage picture = scenes::shoot(form);
        QVERIFY(!picture.isNull());
        const Sample sample = sampleOf(form, Part(part), row);
        QVERIFY2(sample.point.x() >= 0, "no bare spot to sample");
        const QRgb actual = scenes::colourAt(picture, form, sample.control, sample.point);
        QVERIFY2(near(actual, expected),
                 qPrintable(QString("sampled #%1, expected #%2")
                                .arg(actual & 0xFFFFFF, 6, 16, QChar('0'))
                                .arg(expected & 0xFFFFFF, 6, 16, QChar('0'))));
    }
};

QTEST_MAIN(ScreenshotColoursTest)
#include "tst_screenshot_colours.moc"
