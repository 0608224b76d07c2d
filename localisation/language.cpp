// The Italian and English texts of the window and the language command. The language in use is
// the caption of Option1: "Lui" for Italian, "Him" for English.
#include "app/Form1.h"

#include "localisation/texts.h"

void Form1::writeTextSet(const TextSet& set) {
    Option1->setText(set.option1);
    Option2->setText(set.option2);
    for (int i = 0; i < 5; ++i)
        Label[i]->setText(set.label[i]);
    BMRLabel->setToolTip(set.bmrTip);
    DCNLabel->setToolTip(set.dcnTip);
    DPNlabel->setToolTip(set.dpnTip);
    for (int i = 0; i < 5; ++i)
        Command1[i]->setToolTip(set.levelTip[i]);
}

void Form1::ItaEng_Click() {
    writeTextSet(Option1->text() == "Him" ? kItalian : kEnglishByCommand);
    UpdateUnitLabels();
}

void Form1::UpdateUnitLabels() {
    struct Row {
        const char* word;
        bool metric;
        const char* weight;
        const char* height;
    };
    static const Row rows[] = {{"Lui", true, "Peso [Kg]", "Altezza [Cm]"},
                               {"Him", true, "Weight [Kg]", "Height [Cm]"},
                               {"Lui", false, "Peso [Lb]", "Altezza [In]"},
                               {"Him", false, "Weight [Lb]", "Height [In]"}};
    for (const Row& row : rows) {
        if (Option1->text().trimmed() == row.word && cmkg->isChecked() == row.metric) {
            Label[1]->setText(row.weight);
            Label[2]->setText(row.height);
        }
    }
}
