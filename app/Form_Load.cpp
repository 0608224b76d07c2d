// Start-up: the window's first appearance, before it is shown.
#include "Form1.h"

#include "app/Form1_platform.h"
#include "localisation/texts.h"

namespace {

// The left edge that centres a width within another, each half taken in single precision.
float centredLeft(float outer, float inner) {
    return outer / 2 - inner / 2;
}

void centreInWindow(QWidget* label, int innerWidth) {
    const float left = centredLeft(float(innerWidth), float(label->width()));
    label->move(qRound(left), label->y());
}

} // namespace

void Form1::Form_Load() {
    const int innerWidth = centralWidget()->width();
    centreInWindow(DPNlabel, innerWidth);
    centreInWindow(BMRLabel, innerWidth);
    centreInWindow(DCNLabel, innerWidth);

    const QString weekday = platform::firstWeekdayName();
    writeTexts(texts::catalogue(texts::startLanguage(weekday.toStdString())), false);
    UpdateUnitLabels();
}
