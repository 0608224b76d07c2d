// The window's own colours: the classic light system colours pinned under the client area,
// whatever the desktop's theme, and the themes painted over them (the layout's at start, a
// sex's when one is chosen).
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
    for (CommandButton* button : Command1)
        setBackColor(button, QColor::fromRgb(theme.levelButtons));
    for (std::size_t i = 0; i < ventrimo::kBoxCount; ++i) {
        setBackColor(Shape[i], QColor::fromRgb(theme.bands));
        setBackColor(text[i], QColor::fromRgb(theme.boxes));
    }
    setForeColor(DCNLabel, QColor::fromRgb(theme.dcnText));
}
