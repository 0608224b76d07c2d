// The application's style: Fusion, which paints the colours the window asks for on every
// platform, with menus that mark the chosen item of a choice and leave the others bare, and a
// menu bar that marks its active entry, under the keyboard or the mouse.
#pragma once

#include <QProxyStyle>

class Style : public QProxyStyle {
  public:
    Style();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    // The menu bar's own keyboard mode (Alt alone, or F10) on every platform.
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;
};
