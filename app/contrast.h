// How far two colours stand apart, as the web's accessibility guidelines measure it: the ratio
// of their relative luminances, each plus 0.05, from 1 (the same) to 21 (black on white).
#pragma once

#include <QColor>

#include <cmath>

namespace contrast {

inline double luminance(const QColor& colour) {
    auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

inline double ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace contrast
