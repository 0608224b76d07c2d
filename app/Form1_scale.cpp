#include "Form1_scale.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {

// Waits for the window's first show, when its platform window exists, to follow its screen.
class ScaleFollower : public QObject {
  public:
    explicit ScaleFollower(QWidget* window) : QObject(window), window(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && window->windowHandle()) {
            connect(window->windowHandle(), &QWindow::screenChanged, this, &ScaleFollower::refit);
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void refit() {
        QWindow* handle = window->windowHandle();
        const QSize size = window->maximumSize(); // the fixed size, as minimumSize
        // QWindow passes its size hints on only when they change: release them, pin them again.
        handle->setMinimumSize(QSize(0, 0));
        handle->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        handle->setMinimumSize(size);
        handle->setMaximumSize(size);
        handle->resize(size);
    }

    QWidget* window;
};

} // namespace

void followScreenScale(QWidget* window) {
    new ScaleFollower(window);
}
