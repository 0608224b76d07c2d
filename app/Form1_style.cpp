#include "Form1_style.h"

#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <cmath>

namespace {

// The relative luminance and contrast ratio of the web's accessibility guidelines.
double luminance(const QColor& colour) {
    auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Fusion marks a menu bar entry only while its menu is open: the entry that the keyboard has
// reached or the mouse is over, menu or command, looked like the rest of the bar. It is marked
// the same way, in the desktop's highlight where that stands out from the bar at 3 : 1 or more,
// else in the bar's text colour (or black or white) with the bar's colour for its caption.
QStyleOptionMenuItem activeEntry(const QStyleOptionMenuItem& item) {
    QStyleOptionMenuItem active(item);
    active.state |= QStyle::State_Sunken;
    const QColor bar = item.palette.color(QPalette::Window);
    if (contrast(item.palette.color(QPalette::Highlight), bar) >= 3)
        return active;
    QColor fill = item.palette.color(QPalette::WindowText);
    if (contrast(fill, bar) < 3)
        fill = luminance(bar) > 0.18 ? Qt::black : Qt::white;
    active.palette.setColor(QPalette::Highlight, fill);
    active.palette.setColor(QPalette::HighlightedText, contrast(bar, fill) >= 3 ? bar
                                                       : luminance(fill) > 0.18 ? Qt::black
                                                                                : Qt::white);
    return active;
}

} // namespace

Style::Style() : QProxyStyle(QStyleFactory::create("Fusion")) {}

// Fusion draws an empty box beside every checkable item that is not checked. The menu items
// here are choices: only the chosen one gets a mark, a check mark in the same column.
void Style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                        const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item && (item->state & State_Selected) &&
        (item->state & State_Enabled)) {
        const QStyleOptionMenuItem active = activeEntry(*item);
        QProxyStyle::drawControl(element, &active, painter, widget);
        return;
    }
    if (element != CE_MenuItem || !item || item->checkType == QStyleOptionMenuItem::NotCheckable) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionMenuItem bare(*item);
    bare.checkType = QStyleOptionMenuItem::NotCheckable;
    QProxyStyle::drawControl(element, &bare, painter, widget);
    if (!item->checked)
        return;
    QStyleOptionMenuItem mark(*item);
    const int column = qMax(item->rect.height(), 21); // the width Fusion leaves for a mark
    mark.rect = QRect(item->rect.left() + 2, item->rect.top(), column, item->rect.height());
    mark.rect = visualRect(item->direction, item->rect, mark.rect);
    // The mark takes the colour of the text beside it, highlighted while the item is.
    mark.state.setFlag(State_On, bool(item->state & State_Selected));
    proxy()->drawPrimitive(PE_IndicatorMenuCheckMark, &mark, painter, widget);
}
