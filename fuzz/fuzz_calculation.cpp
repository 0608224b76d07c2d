// The whole calculation on five arbitrary box texts, under every formula, sex and unit system:
// once with the texts cut to the boxes' maximum lengths, as the window holds them, and once
// uncut. The input is split into the five texts at newline bytes.
#include "calc/metabolic.h"
#include "calc/numbers.h"
#include "property.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

using ventrimo::Inputs;

std::string describe(const Inputs& in) {
    std::string text = "formula " + std::to_string(int(in.formula)) + ", sex " +
                       std::to_string(int(in.sex)) + ", units " + std::to_string(int(in.units)) +
                       ", boxes";
    for (const std::string& box : in.text)
        text += " [" + fuzzing::escaped(box) + "]";
    return text;
}

void checkCaption(std::string_view prefix, float value, std::string_view suffix,
                  const std::string& input) {
    fuzzing::require(std::isfinite(value) && std::nearbyint(value) == value,
                     "a result is finite and whole", input);
    const std::string caption = ventrimo::ResultCaption(prefix, value, suffix);
    const bool framed = caption.size() > prefix.size() + suffix.size() + 1 &&
                        caption.starts_with(prefix) && caption.ends_with(suffix);
    fuzzing::require(framed, "a caption is prefix, number, suffix", input, caption);
    const std::string number =
        caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size());
    fuzzing::require(number[0] == ' ' || number[0] == '-', "a blank or a minus opens the number",
                     input, caption);
    fuzzing::require(number.find_first_not_of("0123456789", 1) == std::string::npos,
                     "digits only in a caption's number", input, caption);
}

// The properties of one set of inputs as the window could hold them.
void checkCalculation(const Inputs& in, const std::string& input) {
    const std::optional<ventrimo::Results> results = ventrimo::Calculate(in);
    if (ventrimo::InputsValid(in))
        fuzzing::require(results.has_value(), "valid inputs always give results", input);
    if (results) {
        checkCaption("BMR ", results->bmr, " Cal", input);
        checkCaption("DCN ", results->dcn, " Cal", input);
        checkCaption("DPN ", results->dpn, " Grm", input);
    }
}

void checkNormalised(const Inputs& in, bool cut) {
    const std::string input = describe(in);
    checkCalculation(in, input);

    const Inputs once = ventrimo::Normalised(in);
    checkCalculation(once, input);
    for (std::size_t i = 0; i < ventrimo::kBoxCount; ++i) {
        const std::size_t room = cut ? std::size_t(ventrimo::kBoxMaxLength[i])
                                     : std::max<std::size_t>(in.text[i].size(), 1);
        fuzzing::require(once.text[i].size() <= room, "a rewrite never lengthens a box", input);
        fuzzing::require(once.text[i].find('.') == std::string::npos, "no decimal point is left",
                         input);
    }
    const Inputs twice = ventrimo::Normalised(once);
    if (cut) {
        // A level box of one character holds no point, so the clamp sees the final text.
        fuzzing::require(twice.text == once.text, "rewriting a rewritten box changes nothing",
                         input);
        if (const std::optional<double> level = ventrimo::LocaleNumber(once.text[4])) {
            const float single = ventrimo::toSingle(*level);
            fuzzing::require(single >= 1 && single <= float(ventrimo::kLevelCount),
                             "the level ends within the levels' numbers", input);
        }
    } else {
        // A longer level such as "0.5" is read as 5, then as 0,5: a second rewrite clamps it,
        // and no third one changes anything.
        fuzzing::require(ventrimo::Normalised(twice).text == twice.text,
                         "rewrites settle after two rounds", input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    Inputs uncut;
    for (const ventrimo::LevelChoice& level : ventrimo::kLevels)
        uncut.activityTag[std::size_t(level.value)] = level.tag;
    std::size_t start = 0;
    for (std::size_t i = 0; i < ventrimo::kBoxCount && start <= all.size(); ++i) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        uncut.text[i] = std::string(all.substr(start, end - start));
        start = end + 1;
    }
    Inputs cut = uncut;
    for (std::size_t i = 0; i < ventrimo::kBoxCount; ++i)
        cut.text[i].resize(std::min(cut.text[i].size(), std::size_t(ventrimo::kBoxMaxLength[i])));

    for (const ventrimo::FormulaChoice& formula : ventrimo::kFormulas)
        for (const ventrimo::SexChoice& sex : ventrimo::kSexes)
            for (const ventrimo::UnitChoice& units : ventrimo::kUnitSystems)
                for (Inputs* in : {&cut, &uncut}) {
                    in->formula = formula.value;
                    in->sex = sex.value;
                    in->units = units.value;
                    checkNormalised(*in, in == &cut);
                }
    return 0;
}
