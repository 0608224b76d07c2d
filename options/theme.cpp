// The sex choice. Each sex repaints the window in its own colours; both themes set exactly the
// same controls, so neither leaves a trace of the other.
#include "app/Form1.h"

struct Theme {
    QColor window;
    QColor levelButtons;
    QColor bands;
    QColor boxes;
    QColor dcnText;
};

namespace {

const Theme kMale = {QColor(0xC0, 0xFF, 0xFF), QColor(0x00, 0xC0, 0xC0), QColor(0x00, 0x80, 0x80),
                     QColor(0x80, 0xFF, 0xFF), QColor(0x00, 0x00, 0x80)};
const Theme kFemale = {QColor(0xFF, 0xC0, 0xFF), QColor(0xFF, 0x00, 0xFF), QColor(0xFF, 0x80, 0xFF),
                       QColor(0xFF, 0xC0, 0xC0), QColor(0x80, 0x00, 0x80)};

} // namespace

void Form1::applyTheme(const Theme& theme) {
    QWidget* surface = centralWidget();
    setBackColor(surface, theme.window);
    // The options blend into the window, whatever colour it has.
    setBackColor(Option1, backColor(surface));
    setBackColor(Option2, backColor(surface));
    for (int i = 0; i < 5; ++i) {
        setBackColor(Command1[i], theme.levelButtons);
        setBackColor(Shape[i], theme.bands);
        setBackColor(text[i], theme.boxes);
    }
    setForeColor(DCNLabel, theme.dcnText);
}

void Form1::Option1_Click() {
    applyTheme(kMale);
    RefreshResults();
}

void Form1::Option2_Click() {
    applyTheme(kFemale);
    RefreshResults();
}
