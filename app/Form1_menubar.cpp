#include "Form1_menubar.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
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
        // The bar takes the height of its entries only when the window lays it out again; until
        // then taller entries overflow it, and it shows its extension ("»") in their place.
        if (QLayout* layout = bar->parentWidget() ? bar->parentWidget()->layout() : nullptr)
            layout->activate();
    }

    QMenuBar* bar;
    int room;
};

void sendKey(QObject* receiver, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(type, key, modifiers);
    QApplication::sendEvent(receiver, &event);
}

// The bar's keyboard mode is the one Alt pressed and released alone enters: the bar takes the
// focus, Left and Right walk menus and commands alike, Return runs a command, and Escape gives
// the focus back to the control that had it. Qt offers no call for it, so F10 hands the bar's
// key filter what Alt alone gives it; the window tests check that the bar still enters it.
void enterKeyboardMode(QMenuBar* bar, QMenu* first) {
    if (bar->hasFocus()) { // F10 again leaves the bar, as Escape does
        sendKey(bar, QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        return;
    }
    QObject* filter = bar;
    // The modifiers held before the key: a key event of Alt reports Alt itself among them.
    QKeyEvent altDown(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    filter->eventFilter(bar->window(), &altDown);
    filter->eventFilter(bar->window(), &altUp);
    if (bar->activeAction() == first->menuAction())
        sendKey(bar, QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier); // opens the first menu
}

// Down opens a menu entry; on a command entry it runs the command, as Return does.
class DownRuns : public QObject {
  public:
    explicit DownRuns(QMenuBar* bar) : QObject(bar), bar(bar) { bar->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == bar && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && bar->activeAction() &&
            !bar->activeAction()->menu()) {
            sendKey(bar, QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QMenuBar* bar;
};

} // namespace

void setUpMenuBar(QMenuBar* bar, QMenu* first, int width) {
    new MenuBarFit(bar, width);
    new DownRuns(bar);
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    QObject::connect(f10, &QShortcut::activated, bar,
                     [bar, first] { enterKeyboardMode(bar, first); });
}
