// The unit menu. The typed numbers are never converted: the same digits are read in the other
// unit system.
#include "app/Form1.h"

#include <QAction>
#include <QMenu>

void Form1::cmkg_Click() {
    InchPound->setChecked(false);
    cmkg->setChecked(true);
    text[1]->setToolTip("Kg");
    text[2]->setToolTip("Cm");
    Units->setTitle("Cm;Kg");
    UpdateUnitLabels();
    RefreshResults();
}

void Form1::InchPound_Click() {
    InchPound->setChecked(true);
    cmkg->setChecked(false);
    text[1]->setToolTip("Pounds");
    text[2]->setToolTip("Inch.");
    Units->setTitle("Inch.;Pound");
    UpdateUnitLabels();
    RefreshResults();
}
