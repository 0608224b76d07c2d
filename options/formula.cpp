// The formula menu: one check mark, and the menu's title names the choice.
#include "app/Form1.h"

#include <QAction>
#include <QMenu>

void Form1::chooseFormula(QAction* chosen, const QString& title) {
    for (QAction* item : {Mifflin, Katch, Herris})
        item->setChecked(item == chosen);
    Formula->setTitle(title);
    RefreshResults();
}

void Form1::Mifflin_Click() {
    chooseFormula(Mifflin, "Mifflin-St Jeor ");
}
void Form1::Herris_Click() {
    chooseFormula(Herris, "Herris-Benedict");
}
void Form1::Katch_Click() {
    chooseFormula(Katch, "Katch-McArdle");
}
