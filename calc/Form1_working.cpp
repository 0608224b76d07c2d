// How the results were computed, and the targets for a goal: boxes to read or to copy, from the
// results' context menu, from the context menu of a box or a level button, and so from the
// keyboard (the menu key, or Shift+F10 on any desktop).
#include "app/Form1.h"

#include "app/Form1_platform.h"
#include "calc/metabolic.h"
#include "calc/targets.h"
#include "calc/working.h"
#include "localisation/texts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

bool Form1::resultsShown() const {
    return !BMRLabel->isHidden() && ventrimo::Evaluate(currentInputs()).valid;
}

void Form1::showWorking() {
    const auto lines = ventrimo::Working(currentInputs(), words());
    if (!lines)
        return;
    QStringList text;
    for (const std::string& line : *lines)
        text << QString::fromStdString(line);
    platform::showCopyable(this, QString::fromUtf8(words().working.c_str()), text.join(u'\r'),
                           QString::fromUtf8(words().copy.c_str()));
}

// The calories a day to lose, keep or gain weight, from the results on screen.
void Form1::showTargets() {
    if (!resultsShown())
        return;
    QStringList text;
    for (const std::string& line : ventrimo::Targets(DCN, BMR, sex(), unitSystem(), words()))
        text << QString::fromStdString(line);
    platform::showCopyable(this, QString::fromUtf8(words().targets.c_str()), text.join(u'\r'),
                           QString::fromUtf8(words().copy.c_str()));
}

// The items that open the working and the targets, while there are results to explain.
void Form1::offerWorking(QMenu* menu) {
    if (!resultsShown())
        return;
    if (!menu->isEmpty())
        menu->addSeparator();
    menu->addAction(QString::fromUtf8(words().working.c_str()), this, &Form1::showWorking);
    menu->addAction(QString::fromUtf8(words().targets.c_str()), this, &Form1::showTargets);
}

// A box keeps its editing commands and gains the working; a level button has the working alone.
void Form1::showControlMenu(QWidget* control, const QPoint& position) {
    auto* box = qobject_cast<QLineEdit*>(control);
    QMenu* menu = box ? box->createStandardContextMenu() : new QMenu(control);
    offerWorking(menu);
    if (!menu->isEmpty())
        menu->exec(control->mapToGlobal(position));
    delete menu;
}

void Form1::connectWorking() {
    QList<QWidget*> controls(text.begin(), text.end());
    controls.append(QList<QWidget*>(Command1.begin(), Command1.end()));
    for (QWidget* control : controls) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(control, &QWidget::customContextMenuRequested, this,
                [this, control](const QPoint& position) { showControlMenu(control, position); });
    }
    // Shift+F10 asks the focused control for its context menu, as the menu key does.
    auto* shiftF10 = new QAction(this);
    shiftF10->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    shiftF10->setShortcutContext(Qt::WindowShortcut);
    addAction(shiftF10);
    connect(shiftF10, &QAction::triggered, this, [] {
        if (QWidget* focused = QApplication::focusWidget()) {
            const QPoint centre = focused->rect().center();
            QContextMenuEvent request(QContextMenuEvent::Keyboard, centre,
                                      focused->mapToGlobal(centre));
            QApplication::sendEvent(focused, &request);
        }
    });
}
