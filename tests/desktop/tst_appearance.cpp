// The window as desktops of any theme show it: the client area in the same pixels under a dark
// desktop palette, a focus ring that stands out wherever it is drawn, menus that mark only the
// chosen item, and a disclaimer whose button shows no icon.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "app/Form1_platform.h"
#include "scenes.h"

#include <QMenu>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

using scenes::Scene;

Q_DECLARE_METATYPE(scenes::Scene)

namespace {

// A dark desktop palette, as a dark GTK or KDE theme hands it to Qt: light text on dark grey.
QPalette darkDesktop() {
    return QPalette(QColor(0x35, 0x35, 0x35));
}

QImage clientArea(Scene scene) {
    Form1 form;
    scenes::play(form, scene);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    return form.centralWidget()->grab().toImage();
}

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb colour) {
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}
double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QWidget* focusTarget(Form1& form, const QString& name) {
    return name == "box"            ? static_cast<QWidget*>(form.text[2])
           : name == "level button" ? static_cast<QWidget*>(form.Command1[3])
                                    : static_cast<QWidget*>(form.Option2);
}

// A style that puts icons on dialog buttons, as some desktop themes ask for.
class ButtonIcons : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        prepareApplication();
        scenes::quietPlatform();
    }
    void cleanup() { QApplication::setPalette(QPalette()); }

    void darkDesktopLeavesTheClientAreaAlone_data() {
        QTest::addColumn<Scene>("scene");
        for (const scenes::Shot& shot : scenes::kShots)
            QTest::newRow(shot.name) << shot.scene;
    }

    void darkDesktopLeavesTheClientAreaAlone() {
        QFETCH(Scene, scene);
        const QImage light = clientArea(scene);
        QApplication::setPalette(darkDesktop());
        const QImage dark = clientArea(scene);
        QVERIFY(!light.isNull());
        QCOMPARE(dark, light);
    }

    // The ring is what changes when a control takes the focus: at least a line of pixels all
    // round it must differ from what was there by 3 : 1 or more.
    void focusRingStandsOut_data() {
        QTest::addColumn<Scene>("scene");
        QTest::addColumn<QString>("control");
        for (const scenes::Shot& shot : scenes::kShots)
            for (const char* control : {"box", "level button", "option"})
                QTest::addRow("%s %s", shot.name, control) << shot.scene << QString(control);
    }

    void focusRingStandsOut() {
        QFETCH(Scene, scene);
        QFETCH(QString, control);
        Form1 form;
        scenes::play(form, scene);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QWidget* target = focusTarget(form, control);
        form.Command1[0]->setFocus(); // away from the target, and no caret in a box
        const QImage without = target->grab().toImage();
        target->setFocus(Qt::TabFocusReason);
        QVERIFY(target->hasFocus());
        QImage with = target->grab().toImage();
        if (auto* box = qobject_cast<QLineEdit*>(target)) {
            // The caret blinks: take the picture with it where it does not cover the ring.
            box->setCursorPosition(0);
            with = target->grab().toImage();
        }
        int standingOut = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                standingOut += contrast(with.pixel(x, y), without.pixel(x, y)) >= 3;
        const QSize inner = target->size() - QSize(6, 6);
        QVERIFY2(standingOut >= 2 * (inner.width() + inner.height()),
                 qPrintable(QString("%1 pixels stand out").arg(standingOut)));
    }

    // Nothing beside the items not chosen; a mark beside the chosen one.
    void menusMarkOnlyTheChosenItem() {
        Form1 form;
        form.Herris->trigger();
        QMenu* menu = form.Formula;
        menu->adjustSize();
        const QImage picture = menu->grab().toImage();
        const QColor ground = picture.pixelColor(menu->actionGeometry(form.Mifflin).left() + 4,
                                                 menu->actionGeometry(form.Mifflin).top() + 2);
        for (QAction* item : {form.Mifflin, form.Herris, form.Katch}) {
            const QRect column = menu->actionGeometry(item);
            int marked = 0;
            // The column left of the caption, inside the menu's frame.
            for (int y = column.top() + 2; y <= column.bottom() - 2; ++y)
                for (int x = column.left() + 3; x < column.left() + 22; ++x)
                    marked += contrast(picture.pixel(x, y), ground.rgb()) > 1.5;
            QVERIFY2((marked > 0) == item->isChecked(), qPrintable(item->text()));
        }
    }

    void disclaimerButtonHasNoIcon() {
        QApplication::setStyle(new ButtonIcons(QStyleFactory::create("Fusion")));
        platform::showMessage.replace({}); // the real box
        bool iconless = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            iconless = box->button(QMessageBox::Ok)->icon().isNull();
            box->button(QMessageBox::Ok)->click();
        });
        platform::showMessage(nullptr, "WARNING", "first line\rsecond line");
        scenes::quietPlatform();
        prepareApplication(); // the program's own style again
        QVERIFY(iconless);
    }
};

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
