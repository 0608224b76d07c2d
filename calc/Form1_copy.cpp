// Copying a result: the context menu of the result labels, in the window's language.
#include "app/Form1.h"

#include "localisation/texts.h"

#include <QMenu>

void Form1::showResultMenu(ResultLabel* label, const QPoint& position) {
    const bool italian = texts::languageOf(Option1->text().trimmed()) == texts::Language::Italian;
    QMenu menu(label);
    menu.addAction(
        texts::copyCommand(italian ? texts::Language::Italian : texts::Language::English), label,
        [label] { label->copy(); });
    menu.exec(label->mapToGlobal(position));
}
