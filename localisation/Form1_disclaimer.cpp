#include "app/Form1.h"

#include "app/Form1_platform.h"
#include "localisation/texts.h"

void Form1::Disclaimer_Click() {
    const bool italian = texts::languageOf(Option1->text().trimmed()) == texts::Language::Italian;
    const texts::Disclaimer& box =
        texts::disclaimer(italian ? texts::Language::Italian : texts::Language::English);
    platform::showMessage(this, box.title,
                          QString(box.firstLine) + QChar(u'\r') + QString(box.secondLine));
}
