// The window's side of the calculation: reading the controls, tidying the boxes, writing the
// results, and the events that bring them up to date.
//
// Writing a box whose text changes raises its change event at once, inside the write, so a
// whole nested refresh runs before the writer goes on. A write of the same text raises nothing,
// and that is what ends the nesting: a box, once rewritten, is not changed again.
#include "app/Form1.h"

#include "calc/metabolic.h"
#include "localisation/texts.h"

#include <QAction>

namespace {

std::string utf8(const QString& text) {
    return text.toStdString();
}

QString caption(const texts::ResultWords& words, float value) {
    return QString::fromStdString(ventrimo::ResultCaption(words.prefix, value, words.suffix));
}

} // namespace

ventrimo::Inputs Form1::currentInputs() const {
    ventrimo::Inputs inputs;
    for (std::size_t i = 0; i < 5; ++i) {
        inputs.text[i] = utf8(text[i]->text());
        inputs.activityTag[i] = utf8(Command1[i]->Tag);
    }
    inputs.formula = Herris->isChecked()  ? ventrimo::Formula::HarrisBenedict
                     : Katch->isChecked() ? ventrimo::Formula::KatchMcArdle
                                          : ventrimo::Formula::MifflinStJeor;
    inputs.sex = Option1->isChecked()   ? ventrimo::Sex::Male
                 : Option2->isChecked() ? ventrimo::Sex::Female
                                        : ventrimo::Sex::None;
    inputs.units =
        cmkg->isChecked() ? ventrimo::UnitSystem::Metric : ventrimo::UnitSystem::Imperial;
    return inputs;
}

bool Form1::InputsValid() const {
    if (!Mifflin->isChecked() && !Herris->isChecked() && !Katch->isChecked())
        return false;
    return ventrimo::InputsValid(currentInputs());
}

void Form1::RefreshResults() {
    if (InputsValid())
        Recalculate();
    setResultsVisible(InputsValid());
    speakResults();
}

// Writes a new text into a box the user may be typing in, keeping the caret where it was.
void Form1::rewriteBox(QLineEdit* box, const std::string& newText) {
    const int caret = box->cursorPosition();
    box->setText(QString::fromStdString(newText)); // runs the nested refresh
    box->setCursorPosition(caret);
}

void Form1::setResultsVisible(bool visible) {
    DPNlabel->setVisible(visible);
    BMRLabel->setVisible(visible);
    DCNLabel->setVisible(visible);
}

void Form1::Recalculate() {
    if (std::optional<std::string> level = ventrimo::ClampedLevel(utf8(text[4]->text())))
        rewriteBox(text[4], *level);
    // Only a text that changes is written: a write of the same text would raise no change
    // event, but it would move the caret and lose the box's undo history for nothing.
    for (QLineEdit* box : text) {
        const std::string current = utf8(box->text());
        const std::string tidy = ventrimo::WithDecimalCommas(current);
        if (tidy != current)
            rewriteBox(box, tidy);
    }

    const std::optional<ventrimo::Results> results = ventrimo::Calculate(currentInputs());
    if (!results) {
        // Only a text that stopped being a number when its points became commas gets here.
        setResultsVisible(false);
        return;
    }
    // The boxes stay as they are from here on, so one answer serves all three labels; it can
    // be no, when a "." that became a "," left a value such as "0,5".
    const bool shown = InputsValid();
    BMR = results->bmr;
    BMRLabel->setText(caption(texts::kBmr, BMR));
    BMRLabel->setVisible(shown);
    DCN = results->dcn;
    DCNLabel->setText(caption(texts::kDcn, DCN));
    DCNLabel->setVisible(shown);
    DPN = results->dpn;
    DPNlabel->setText(caption(texts::kDpn, DPN));
    DPNlabel->setVisible(shown);
}

void Form1::text_Change(int /*index*/) {
    RefreshResults();
}

void Form1::Command1_Click(int index) {
    text[4]->setText(QString::number(index + 1)); // a changed level refreshes inside the write
    if (InputsValid())
        Recalculate();
}
