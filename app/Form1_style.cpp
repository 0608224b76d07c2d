#include "Form1_style.h"

#include "app/contrast.h"

#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

// Fusion marks a menu bar entry only while its menu is open: the entry that the keyboard has
// reached or the mouse is over, menu or command, looked like the rest of the bar. It is marked
// the same way, in the desktop's highlight where that stands out from the bar at 3 : 1 or more,
// else in the bar's text colour (or black or white) with the bar's colour for its caption.
QStyleOptionMenuItem activeEntry(const QStyleOptionMenuItem& item) {
    QStyleOptionMenuItem active(item);
    active.state |= QStyle::State_Sunken;
    const QColor bar = item.palette.color(QPalette::Window);
    if (contrast::ratio(item.palette.color(QPalette::Highlight), bar) >= 3)
        return active;
    QColor fill = item.palette.color(QPalette::WindowText), caption = bar;
    if (contrast::ratio(fill, bar) < 3) {
        const bool lightBar = contrast::luminance(bar) > 0.18;
        fill = lightBar ? Qt::black : Qt::white;
        caption = lightBar ? Qt::white : Qt::black;
    }
    active.palette.setColor(QPalette::Highlight, fill);
    active.palette.setColor(QPalette::HighlightedText, caption);
    return active;
}

} // namespace

Style::Style() : QProxyStyle(QStyleFactory::create("Fusion")) {}

// Fusion leaves the bar's keyboard mode off: without it Return, Enter and Space do nothing on
// the bar's commands, and Right from an open menu hands the keys back to the form.
int Style::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                     QStyleHintReturn* returned) const {
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

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
