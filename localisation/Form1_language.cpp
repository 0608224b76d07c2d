// The language command and the unit captions. The language in use is the caption of Option1:
// "Lui" for Italian, "Him" for English.
#include "app/Form1.h"

#include "localisation/texts.h"

#include <QAction>

void Form1::writeTextSet(const texts::TextSet& set) {
    Option1->setText(set.option1);
    Option2->setText(set.option2);
    for (std::size_t i = 0; i < 5; ++i)
        Label[i]->setText(set.labels[i]);
    BMRLabel->setToolTip(set.bmrTip);
    DCNLabel->setToolTip(set.dcnTip);
    DPNlabel->setToolTip(set.dpnTip);
    for (std::size_t i = 0; i < 5; ++i)
        Command1[i]->setToolTip(set.levelTips[i]);
}

void Form1::ItaEng_Click() {
    const bool english = texts::languageOf(Option1->text()) == texts::Language::English;
    writeTextSet(english ? texts::kItalian : texts::kEnglishByCommand);
    UpdateUnitLabels();
}

// A caption that names neither language leaves the two captions as they are.
void Form1::UpdateUnitLabels() {
    if (const auto language = texts::languageOf(Option1->text().trimmed())) {
        const texts::UnitCaptions captions = texts::unitCaptions(*language, cmkg->isChecked());
        Label[1]->setText(captions.weight);
        Label[2]->setText(captions.height);
    }
}
