// The sex choice. Each sex repaints the window in its own colours; both themes set exactly the
// same controls, so neither leaves a trace of the other.
#include "app/Form1.h"

#include "options/themes.h"

void Form1::pinSystemColours(QWidget* client) {
    const themes::SystemColours& system = themes::kSystem;
    QPalette palette(QColor::fromRgb(system.buttonFace), QColor::fromRgb(system.buttonFace));
    const std::pair<QPalette::ColorRole, themes::Rgb> roles[] = {
        {QPalette::WindowText, system.buttonText}, {QPalette::ButtonText, system.buttonText},
        {QPalette::Base, system.boxGround},        {QPalette::Text, system.boxText},
        {QPalette::Highlight, system.highlight},   {QPalette::HighlightedText, system.highlighted}};
    for (const auto& [role, colour] : roles) {
        palette.setColor(QPalette::Active, role, QColor::fromRgb(colour));
        palette.setColor(QPalette::Inactive, role, QColor::fromRgb(colour));
    }
    client->setPalette(palette);
}

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
