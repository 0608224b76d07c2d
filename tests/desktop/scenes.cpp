#include "scenes.h"

#include "app/Form1.h"
#include "app/Form1_platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace scenes {

void quietPlatform() {
    platform::firstWeekdayName.replace([] { return QString("Monday"); });
    platform::openBrowser.replace([](const QString&) { return true; });
    platform::showMessage.replace([](QWidget*, const QString&, const QString&) {});
    platform::showCopyable.replace([](QWidget*, const QString&, const QString&, const QString&) {});
}

void typeInputs(Form1& form) {
    const char* const inputs[] = {"30", "80", "180"};
    for (int i = 0; i < 3; ++i) {
        form.text[std::size_t(i)]->setFocus();
        QTest::keyClicks(form.text[std::size_t(i)], inputs[i]);
    }
}

void play(Form1& form, Scene scene) {
    if (scene == Scene::Start)
        return;
    typeInputs(form);
    QRadioButton* sex = scene == Scene::Male ? form.Option1 : form.Option2;
    QTest::mouseClick(sex, Qt::LeftButton, {}, QPoint(8, sex->height() / 2));
}

QImage shoot(Form1& form) {
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return {};
    QTest::qWait(100); // let the last repaint land
    if (QGuiApplication::platformName() != "offscreen") {
        const QPixmap screen = form.screen()->grabWindow(form.winId());
        if (!screen.isNull())
            return screen.toImage();
    }
    return form.grab().toImage();
}

QRgb colourAt(const QImage& picture, const Form1& form, const QWidget* control, QPoint point) {
    const QPointF inWindow = control->mapTo(&form, point);
    const qreal ratio = picture.devicePixelRatio();
    return picture.pixel((inWindow * ratio).toPoint());
}

} // namespace scenes
