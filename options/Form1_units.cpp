// The unit menu. The typed numbers are never converted: the same digits are read in the other
// unit system.
#include "app/Form1.h"

#include "options/choices.h"

#include <QActionGroup>
#include <QMenu>

ventrimo::UnitSystem Form1::unitSystem() const {
    return ventrimo::UnitSystem(unitSystems->checkedAction()->data().toInt());
}

void Form1::chooseUnits(ventrimo::UnitSystem chosen) {
    menuItem(unitSystems, int(chosen))->setChecked(true); // the group clears the other mark
    const ventrimo::UnitChoice& choice = ventrimo::choice(chosen);
    text[1]->setToolTip(QString::fromUtf8(choice.tips.weight.c_str()));
    text[2]->setToolTip(QString::fromUtf8(choice.tips.height.c_str()));
    Units->setTitle(QString::fromUtf8(choice.title.c_str()));
    UpdateUnitLabels();
    RefreshResults();
    announceResultsNow();
}

void Form1::cmkg_Click() {
    chooseUnits(ventrimo::UnitSystem::Metric);
}
void Form1::InchPound_Click() {
    chooseUnits(ventrimo::UnitSystem::Imperial);
}
