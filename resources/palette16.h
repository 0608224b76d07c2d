// The standard 16-colour palette of Windows icons, in the order of its indices. The icon may use
// these colours and transparency, nothing else.
#pragma once

#include <QRgb>

#include <array>

namespace palette16 {

inline constexpr std::array<QRgb, 16> kColours = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

// The palette index of an opaque colour, or -1 when the colour is not in the palette.
inline int indexOf(QRgb colour) {
    for (int i = 0; i < int(kColours.size()); ++i)
        if (qAlpha(colour) == 0xFF && kColours[std::size_t(i)] == colour)
            return i;
    return -1;
}

} // namespace palette16
