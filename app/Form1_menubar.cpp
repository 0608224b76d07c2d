#include "Form1_menubar.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace {

constexpr int kSmallestPixelSize = 6;

class MenuBarFit : public QObject {
  public:
    MenuBarFit(QMenuBar* bar, int width) : QObject(bar), bar(bar), room(width) {
        // A caption's change reaches the bar before the action's changed signal.
        for (QAction* action : bar->actions())
            connect(action, &QAction::changed, this, &MenuBarFit::fit);
        bar->installEventFilter(this);
        fit();
    }

  protected:
    // The desktop's font or the style changes after the filter has seen the event.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationFontChange || event->type() == QEvent::StyleChange)
            QMetaObject::invokeMethod(this, &MenuBarFit::fit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

  private:
    // The bar's size hint is the width it lays its entries out in.
    void fit() {
        if (bar->font().resolveMask() != 0)
            bar->setFont(QFont()); // the desktop's own again
        QFont font = bar->font();
        for (int pixels = QFontInfo(font).pixelSize();
             bar->sizeHint().width() > room && pixels > kSmallestPixelSize;) {
            font.setPixelSize(--pixels);
            bar->setFont(font);
        }
    }

    QMenuBar* bar;
    int room;
};

} // namespace

void setUpMenuBar(QMenuBar* bar, QMenu* first, int width) {
    new MenuBarFit(bar, width);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    QObject::connect(f10, &QShortcut::activated, bar,
                     [bar, first] { bar->setActiveAction(first->menuAction()); });
}
