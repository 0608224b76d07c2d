// The formula menu: one check mark, and the menu's title names the choice.
#include "app/Form1.h"

#include "localisation/texts.h"

#include <QAction>
#include <QMenu>

void Form1::chooseFormula(QAction* chosen, const char* title) {
    for (QAction* item : {Mifflin, Katch, Herris})
        item->setChecked(item == chosen);
    Formula->setTitle(title);
    RefreshResults();
}

void Form1::Mifflin_Click() {
    chooseFormula(Mifflin, texts::kMenus.mifflin);
}
void Form1::Herris_Click() {
    chooseFormula(Herris, texts::kMenus.herris);
}
void Form1::Katch_Click() {
    chooseFormula(Katch, texts::kMenus.katch);
}
