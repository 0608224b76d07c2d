// Every colour the window paints with, as plain RGB (0xRRGGBB). The window starts in the grey
// of its layout; choosing a sex repaints the same elements in that sex's colours.
#pragma once

namespace themes {

using Rgb = unsigned;

// The elements a theme colours. The two sex options take the window's colour.
struct Theme {
    Rgb window;
    Rgb levelButtons;
    Rgb bands;
    Rgb boxes;
    Rgb dcnText;
};

inline constexpr Theme kLayout = {.window = 0x404040,
                                  .levelButtons = 0x808080,
                                  .bands = 0x404040,
                                  .boxes = 0x808080,
                                  .dcnText = 0xFFFFFF};
inline constexpr Theme kMale = {.window = 0xC0FFFF,
                                .levelButtons = 0x00C0C0,
                                .bands = 0x008080,
                                .boxes = 0x80FFFF,
                                .dcnText = 0x000080};
inline constexpr Theme kFemale = {.window = 0xFFC0FF,
                                  .levelButtons = 0xFF00FF,
                                  .bands = 0xFF80FF,
                                  .boxes = 0xFFC0C0,
                                  .dcnText = 0x800080};

// Colours of the layout that no theme changes.
inline constexpr Rgb kOption2Text = 0x000000;
inline constexpr Rgb kOption3Back = 0x804000;

// The system colours the layout's "default" stands for: the classic light ones it was drawn
// against. The window pins them, so that it paints the same on a light, a dark or any other
// desktop theme.
struct SystemColours {
    Rgb buttonFace;  // labels, options and buttons paint on it
    Rgb buttonText;  // their text
    Rgb boxGround;   // text boxes
    Rgb boxText;     // their text
    Rgb highlight;   // selected text
    Rgb highlighted; // its text
};
inline constexpr SystemColours kSystem = {.buttonFace = 0xF0F0F0,
                                          .buttonText = 0x000000,
                                          .boxGround = 0xFFFFFF,
                                          .boxText = 0x000000,
                                          .highlight = 0x0078D7,
                                          .highlighted = 0xFFFFFF};

// The focus ring: a line of each, one inside the other, so that one of them stands out from any
// colour around it.
inline constexpr Rgb kFocusOuter = 0x000000;
inline constexpr Rgb kFocusInner = 0xFFFFFF;

} // namespace themes
