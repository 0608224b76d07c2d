// The window's side of the calculation: reading the controls, tidying the boxes, writing the
// results, and the events that bring them up to date.
//
// Writing a box whose text changes raises its change event at once, inside the write. A write
// by the user or by a level button runs a whole refresh there; the writes Recalculate makes to
// tidy the boxes do not, since the refresh that makes them computes the tidied boxes itself.
// A write of the same text raises nothing.
#include "app/Form1.h"

#include "calc/metabolic.h"
#include "localisation/texts.h"

#include <utility>

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
    for (std::size_t i = 0; i < text.size(); ++i)
        inputs.text[i] = utf8(text[i]->text());
    for (std::size_t i = 0; i < Command1.size(); ++i)
        inputs.activityTag[i] = utf8(Command1[i]->Tag);
    inputs.formula = formula();
    inputs.sex = sex();
    inputs.units = unitSystem();
    return inputs;
}

bool Form1::InputsValid() const {
    return ventrimo::Evaluate(currentInputs()).valid;
}

void Form1::RefreshResults() {
    if (rewritingBoxes)
        return; // Recalculate is writing the boxes and shows the outcome itself
    const ventrimo::Inputs inputs = currentInputs();
    const ventrimo::Evaluation now = ventrimo::Evaluate(inputs);
    if (now.valid)
        recalculate(inputs, now);
    else
        setResultsVisible(false);
    showWhatKeepsTheResults();
}

// Writes a new text into a box the user may be typing in, keeping the caret where it was.
void Form1::rewriteBox(QLineEdit* box, const std::string& newText) {
    const int caret = box->cursorPosition();
    box->setText(QString::fromStdString(newText));
    box->setCursorPosition(caret);
}

void Form1::setResultsVisible(bool visible) {
    DPNlabel->setVisible(visible);
    BMRLabel->setVisible(visible);
    DCNLabel->setVisible(visible);
}

void Form1::Recalculate() {
    const ventrimo::Inputs inputs = currentInputs();
    recalculate(inputs, ventrimo::Evaluate(inputs));
}

// The boxes as they stand and what they evaluate to: tidies the boxes, and evaluates again only
// when tidying changed a text.
void Form1::recalculate(const ventrimo::Inputs& inputs, const ventrimo::Evaluation& known) {
    const ventrimo::Inputs tidy = ventrimo::Normalised(inputs);
    if (tidy.text != inputs.text) {
        // Only a text that changes is written: a write of the same text would raise no change
        // event, but it would move the caret and lose the box's undo history for nothing.
        const bool outer = std::exchange(rewritingBoxes, true);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (tidy.text[i] != inputs.text[i])
                rewriteBox(text[i], tidy.text[i]);
        rewritingBoxes = outer;
    }
    const ventrimo::Evaluation outcome =
        tidy.text == inputs.text ? known : ventrimo::Evaluate(tidy);
    if (!outcome.results) {
        // Only a text that stopped being a number when its points became commas gets here.
        setResultsVisible(false);
        return;
    }
    // It can be no, when a "." that became a "," left a value such as "0,5".
    const bool shown = outcome.valid;
    BMR = outcome.results->bmr;
    BMRLabel->setText(caption(texts::kBmr, BMR));
    BMRLabel->setVisible(shown);
    DCN = outcome.results->dcn;
    DCNLabel->setText(caption(texts::kDcn, DCN));
    DCNLabel->setVisible(shown);
    DPN = outcome.results->dpn;
    DPNlabel->setText(caption(texts::kDpn, DPN));
    DPNlabel->setVisible(shown);
}

void Form1::text_Change(int /*index*/) {
    if (!rewritingBoxes)
        announceResultsSoon();
    RefreshResults();
}

void Form1::Command1_Click(int index) {
    const QString level = QString::number(index + 1);
    if (text[4]->text() != level) {
        text[4]->setText(level); // the change event runs the whole refresh inside the write
    } else {
        const ventrimo::Inputs inputs = currentInputs();
        const ventrimo::Evaluation now = ventrimo::Evaluate(inputs);
        if (now.valid)
            recalculate(inputs, now);
    }
    announceResultsNow(Command1[std::size_t(index)]->toolTip()); // the level, then the results
}
