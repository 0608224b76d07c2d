// The formula menu: one check mark, and the menu's title names the choice.
#include "app/Form1.h"

#include "options/choices.h"

#include <QActionGroup>
#include <QMenu>

ventrimo::Formula Form1::formula() const {
    return ventrimo::Formula(formulas->checkedAction()->data().toInt());
}

void Form1::chooseFormula(ventrimo::Formula chosen) {
    menuItem(formulas, int(chosen))->setChecked(true); // the group clears the other marks
    Formula->setTitle(QString::fromUtf8(ventrimo::choice(chosen).name.c_str()));
    RefreshResults();
    announceResultsNow();
}

void Form1::Mifflin_Click() {
    chooseFormula(ventrimo::Formula::MifflinStJeor);
}
void Form1::Herris_Click() {
    chooseFormula(ventrimo::Formula::HarrisBenedict);
}
void Form1::Katch_Click() {
    chooseFormula(ventrimo::Formula::KatchMcArdle);
}
