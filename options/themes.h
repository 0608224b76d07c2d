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

inline constexpr Theme kLayout = {0x404040, 0x808080, 0x404040, 0x808080, 0xFFFFFF};
inline constexpr Theme kMale = {0xC0FFFF, 0x00C0C0, 0x008080, 0x80FFFF, 0x000080};
inline constexpr Theme kFemale = {0xFFC0FF, 0xFF00FF, 0xFF80FF, 0xFFC0C0, 0x800080};

// Colours of the layout that no theme changes.
inline constexpr Rgb kOption2Text = 0x000000;
inline constexpr Rgb kOption3Back = 0x804000;

} // namespace themes
