// What keeps the results away, while they are hidden: shown below the boxes in the hint, and
// asked of a screen reader's user by the options' description while no sex is chosen. The same
// sentence, or the results', is what the screen reader hears (app/Form1_screen_reader.cpp).
#include "app/Form1.h"

#include "localisation/texts.h"
#include "localisation/voice.h"

#include <QLabel>

void Form1::createHint() {
    // In the result area, from the first result's line down: a longer reason wraps below it.
    SexHint = new QLabel(centralWidget());
    SexHint->setGeometry(0, DPNlabel->y(), centralWidget()->width(),
                         centralWidget()->height() - DPNlabel->y());
    SexHint->setFont(DPNlabel->font());
    SexHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SexHint->setWordWrap(true);
    SexHint->hide();
}

voice::Gap Form1::resultsGap() const {
    // Until the first refresh the labels show the start-up texts, not results.
    const bool results =
        !BMRLabel->isHidden() && BMRLabel->text() != QLatin1StringView(texts::kLayout.buildDate);
    return results ? voice::Gap{} : voice::firstGap(currentInputs());
}

QString Form1::resultsSentence() const {
    const voice::Gap gap = resultsGap();
    if (gap.wait == voice::Wait::Nothing)
        return voice::resultsSentence(BMRLabel->text(), DCNLabel->text(), DPNlabel->text());
    return voice::gapSentence(words(), gap, Label[std::size_t(gap.box)]->text());
}

void Form1::showWhatKeepsTheResults() {
    const bool hint = BMRLabel->isHidden() && resultsGap().wait != voice::Wait::Nothing;
    if (hint)
        SexHint->setText(resultsSentence());
    SexHint->setVisible(hint);
    const QString choose =
        sex() == ventrimo::Sex::None ? QString::fromUtf8(words().chooseSex.c_str()) : QString();
    for (QRadioButton* option : {Option1, Option2})
        if (option->accessibleDescription() != choose)
            option->setAccessibleDescription(choose);
}
