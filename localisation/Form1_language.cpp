// The language command and the unit captions. The language in use is named by the caption of
// Option1: "Lui" for Italian, "Him" for English.
#include "app/Form1.h"

#include "localisation/texts.h"
#include "options/choices.h"

std::optional<texts::Language> Form1::language() const {
    return texts::languageOf(Option1->text().trimmed().toStdString());
}

const texts::Catalogue& Form1::words() const {
    return texts::catalogue(language().value_or(texts::Language::English));
}

// The fifteen language-dependent properties, in the order the window writes them.
void Form1::writeTexts(const texts::Catalogue& catalogue, bool byCommand) {
    Option1->setText(catalogue.option1.c_str());
    Option2->setText(byCommand ? catalogue.option2ByCommand.c_str()
                               : catalogue.option2AtStart.c_str());
    for (std::size_t i = 0; i < Label.size(); ++i)
        Label[i]->setText(catalogue.labels[i].c_str());
    BMRLabel->setToolTip(catalogue.bmrTip.c_str());
    DCNLabel->setToolTip(catalogue.dcnTip.c_str());
    DPNlabel->setToolTip(byCommand ? catalogue.dpnTipByCommand.c_str()
                                   : catalogue.dpnTipAtStart.c_str());
    for (const ventrimo::LevelChoice& level : ventrimo::kLevels)
        button(level.value)
            ->setToolTip(ventrimo::levelName(level.value, catalogue.language).c_str());
    writeAccessibleNames();
    showWhatKeepsTheResults();
}

// A caption that names no language turns the window to English.
void Form1::ItaEng_Click() {
    const std::optional<texts::Language> now = language();
    writeTexts(texts::catalogue(now ? texts::nextLanguage(*now) : texts::Language::English), true);
    UpdateUnitLabels();
}

// A caption that names no language leaves the two captions as they are.
void Form1::UpdateUnitLabels() {
    if (const std::optional<texts::Language> now = language()) {
        const texts::UnitCaptions& captions =
            texts::catalogue(*now).*ventrimo::choice(unitSystem()).captions;
        Label[1]->setText(captions.weight.c_str());
        Label[2]->setText(captions.height.c_str());
    }
    showWhatKeepsTheResults(); // the hint names a box by its caption
}
