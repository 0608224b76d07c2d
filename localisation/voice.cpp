#include "voice.h"

#include <array>

namespace voice {

const VoiceTexts& voiceTexts(texts::Language language) {
    static const VoiceTexts italian = {
        .chooseSex = "Scegli Lui o Lei",
        .missing = "Manca: ",
        .noResults = "Nessun risultato con questi numeri",
    };
    static const VoiceTexts english = {
        .chooseSex = "Choose Him or Her",
        .missing = "Missing: ",
        .noResults = "No results for these numbers",
    };
    return language == texts::Language::Italian ? italian : english;
}

Gap firstGap(const ventrimo::Inputs& inputs) {
    using ventrimo::Box;
    if (ventrimo::InputsValid(inputs))
        return {};
    const bool katch = inputs.formula == ventrimo::Formula::KatchMcArdle;
    constexpr std::array<Box, 4> sexFormulaBoxes = {ventrimo::Age, ventrimo::Weight,
                                                    ventrimo::Height, ventrimo::ActivityLevel};
    constexpr std::array<Box, 3> katchBoxes = {ventrimo::Weight, ventrimo::BodyFat,
                                               ventrimo::ActivityLevel};
    auto firstFailing = [&inputs](const auto& boxes) -> std::optional<Box> {
        for (Box box : boxes)
            if (!ventrimo::BoxPasses(inputs.text[box]))
                return box;
        return std::nullopt;
    };
    if (const std::optional<Box> box =
            katch ? firstFailing(katchBoxes) : firstFailing(sexFormulaBoxes))
        return {Wait::Box, *box};
    if (!katch && inputs.sex == ventrimo::Sex::None) {
        // Only a sex away from results when either sex would give them.
        for (ventrimo::Sex sex : {ventrimo::Sex::Male, ventrimo::Sex::Female}) {
            ventrimo::Inputs chosen = inputs;
            chosen.sex = sex;
            if (ventrimo::InputsValid(chosen))
                return {Wait::Sex, ventrimo::Age};
        }
    }
    return {Wait::Numbers, ventrimo::Age};
}

QString gapSentence(texts::Language language, const Gap& gap, const QString& boxCaption) {
    const VoiceTexts& words = voiceTexts(language);
    switch (gap.wait) {
    case Wait::Box:
        return QString::fromUtf8(words.missing) + boxCaption.simplified();
    case Wait::Sex:
        return QString::fromUtf8(words.chooseSex);
    case Wait::Numbers:
        return QString::fromUtf8(words.noResults);
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
