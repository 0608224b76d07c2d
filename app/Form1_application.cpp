#include "Form1_application.h"

#include "app/Form1_style.h"
#include "app/placement.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

// The window frame's size is known only once the window system has framed it: if the frame
// then reaches off the screen, the window moves back once.
class KeepOnScreen : public QObject {
  public:
    explicit KeepOnScreen(QWidget* window) : QObject(window), window(window) {
        window->windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            const QRect available = window->screen()->availableGeometry();
            const QRect frame = window->frameGeometry();
            if (!available.contains(frame))
                window->move(framePosition(frame.size(), available));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window;
};

} // namespace

void prepareApplication() {
    QApplication::setStyle(new Style);
    QIcon icon(":/icons/ventrimo.xpm");
    icon.addFile(":/icons/ventrimo16.xpm"); // drawn again for where 16 pixels are all there is
    QApplication::setWindowIcon(icon);
    // The desktop entry's name: the Wayland app id, and the class of the X11 window.
    QGuiApplication::setDesktopFileName(VENTRIMO_APP_ID);
    QCoreApplication::setApplicationName(VENTRIMO_APP_ID);
}

void showAtStart(QWidget& window) {
    if (QGuiApplication::platformName() != "wayland") {
        window.winId(); // a platform window knows its frame where the platform draws one
        window.move(
            framePosition(window.frameGeometry().size(), window.screen()->availableGeometry()));
        new KeepOnScreen(&window);
    }
    window.show();
}

int finishApplication(int status) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
