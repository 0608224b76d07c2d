// What the window says beyond its captions: the hint that asks for a sex, and the sentences a
// screen reader reads from the focused control's description (its tool tip, then the results
// or what keeps them away). Plain data and rules, without widgets.
#pragma once

#include "calc/metabolic.h"
#include "localisation/texts.h"

#include <QString>

namespace voice {

// What keeps the results away: nothing, a box (the first the formula needs that does not
// count), the sex, or numbers that give no result.
enum class Wait { Nothing, Box, Sex, Numbers };
struct Gap {
    Wait wait = Wait::Nothing;
    ventrimo::Box box = ventrimo::Age;
};
Gap firstGap(const ventrimo::Inputs& inputs);

// What keeps the results away, said in the catalogue's language; boxCaption names the box.
QString gapSentence(const texts::Catalogue& words, const Gap& gap, const QString& boxCaption);

// "BMR 1780 Cal, DCN 2136 Cal, DPN 96 Grm", from the three captions as shown.
QString resultsSentence(const QString& bmr, const QString& dcn, const QString& dpn);

// A control's own tool tip, then what the window has to say: "Sedentary. BMR 1780 Cal, ...".
QString described(const QString& ownTip, const QString& said);

} // namespace voice
