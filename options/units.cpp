// The unit menu. The typed numbers are never converted: the same digits are read in the other
// unit system.
#include "app/Form1.h"

#include <QAction>
#include <QMenu>

void Form1::chooseUnits(QAction* chosen, const QString& weightTip, const QString& heightTip,
                        const QString& title) {
    for (QAction* item : {cmkg, InchPound})
        item->setChecked(item == chosen);
    text[1]->setToolTip(weightTip);
    text[2]->setToolTip(heightTip);
    Units->setTitle(title);
    UpdateUnitLabels();
    RefreshResults();
}

void Form1::cmkg_Click() {
    chooseUnits(cmkg, "Kg", "Cm", "Cm;Kg");
}
void Form1::InchPound_Click() {
    chooseUnits(InchPound, "Pounds", "Inch.", "Inch.;Pound");
}
