// The sex choice. Each sex repaints the window in its own colours; both themes set exactly the
// same controls, so neither leaves a trace of the other.
#include "app/Form1.h"

#include "options/themes.h"

void Form1::applyTheme(const themes::Theme& theme) {
    QWidget* surface = centralWidget();
    setBackColor(surface, QColor::fromRgb(theme.window));
    // The options blend into the window, whatever colour it has.
    setBackColor(Option1, backColor(surface));
    setBackColor(Option2, backColor(surface));
    for (std::size_t i = 0; i < 5; ++i) {
        setBackColor(Command1[i], QColor::fromRgb(theme.levelButtons));
        setBackColor(Shape[i], QColor::fromRgb(theme.bands));
        setBackColor(text[i], QColor::fromRgb(theme.boxes));
    }
    setForeColor(DCNLabel, QColor::fromRgb(theme.dcnText));
}

void Form1::Option1_Click() {
    applyTheme(themes::kMale);
    RefreshResults();
}

void Form1::Option2_Click() {
    applyTheme(themes::kFemale);
    RefreshResults();
}
