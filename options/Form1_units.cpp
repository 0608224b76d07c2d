// The unit menu. The typed numbers are never converted: the same digits are read in the other
// unit system.
#include "app/Form1.h"

#include "localisation/texts.h"

#include <QAction>
#include <QMenu>

void Form1::chooseUnits(QAction* chosen) {
    for (QAction* item : {cmkg, InchPound})
        item->setChecked(item == chosen);
    const texts::UnitChoice& choice = chosen == cmkg ? texts::kMetric : texts::kImperial;
    text[1]->setToolTip(choice.weightTip);
    text[2]->setToolTip(choice.heightTip);
    Units->setTitle(choice.title);
    UpdateUnitLabels();
    RefreshResults();
}

void Form1::cmkg_Click() {
    chooseUnits(cmkg);
}
void Form1::InchPound_Click() {
    chooseUnits(InchPound);
}
