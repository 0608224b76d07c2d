#include "voice.h"

namespace voice {

Gap firstGap(const ventrimo::Inputs& inputs) {
    if (ventrimo::InputsValid(inputs))
        return {};
    const ventrimo::FormulaChoice& formula = ventrimo::choice(inputs.formula);
    for (std::size_t i = 0; i < formula.boxes.size(); ++i) {
        const auto box = ventrimo::Box(i);
        if (!ventrimo::BoxMeets(formula.boxes[i], inputs.text[i]))
            return {Wait::Box, box};
    }
    if (formula.needsSex && inputs.sex == ventrimo::Sex::None) {
        // Only a sex away from results when any sex would give them.
        for (const ventrimo::SexChoice& sex : ventrimo::kSexes) {
            ventrimo::Inputs chosen = inputs;
            chosen.sex = sex.value;
            if (sex.value != ventrimo::Sex::None && ventrimo::InputsValid(chosen))
                return {Wait::Sex, ventrimo::Age};
        }
    }
    return {Wait::Numbers, ventrimo::Age};
}

QString gapSentence(const texts::Catalogue& words, const Gap& gap, const QString& boxCaption) {
    switch (gap.wait) {
    case Wait::Box:
        return QString::fromUtf8(words.missing.c_str()) + boxCaption.simplified();
    case Wait::Sex:
        return QString::fromUtf8(words.chooseSex.c_str());
    case Wait::Numbers:
        return QString::fromUtf8(words.noResults.c_str());
    case Wait::Nothing:
        break;
    }
    return {};
}

QString resultsSentence(const QString& bmr, const QString& dcn, const QString& dpn) {
    return bmr.simplified() + QStringLiteral(", ") + dcn.simplified() + QStringLiteral(", ") +
           dpn.simplified();
}

QString described(const QString& ownTip, const QString& said) {
    const QString tip = ownTip.trimmed();
    if (tip.isEmpty())
        return said;
    return tip + QStringLiteral(". ") + said;
}

} // namespace voice
