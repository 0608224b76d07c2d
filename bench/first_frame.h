// What both start-up programs of the benchmark share: they end the process as soon as their
// window has painted its first frame, so that the process's life is its start-up.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

class EndAfterFirstFrame : public QObject {
  public:
    explicit EndAfterFirstFrame(QWidget* window) : QObject(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !ending) {
            ending = true;
            // Queued behind the rest of this frame: the children paint and the frame is
            // flushed before the event loop comes back to it. Tearing down is no part of
            // starting up, so nothing is destroyed.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool ending = false;
};
