// The sex choice. Each sex repaints the window in its own colours; both themes set exactly the
// same controls, so neither leaves a trace of the other.
#include "app/Form1.h"

#include "options/choices.h"

#include <QButtonGroup>

// The hidden Option3 holds the selection until a sex is chosen, and stands for no sex.
ventrimo::Sex Form1::sex() const {
    const int id = sexes->checkedId();
    return id < 0 ? ventrimo::Sex::None : ventrimo::Sex(id);
}

void Form1::chooseSex(ventrimo::Sex chosen) {
    applyTheme(*ventrimo::choice(chosen).theme);
    RefreshResults();
    announceResultsNow();
}

void Form1::Option1_Click() {
    chooseSex(ventrimo::Sex::Male);
}

void Form1::Option2_Click() {
    chooseSex(ventrimo::Sex::Female);
}
