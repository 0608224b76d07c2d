#include "Form1_style.h"

#include <QStyleFactory>
#include <QStyleOptionMenuItem>

Style::Style() : QProxyStyle(QStyleFactory::create("Fusion")) {}

// Fusion draws an empty box beside every checkable item that is not checked. The menu items
// here are choices: only the chosen one gets a mark, a check mark in the same column.
void Style::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                        const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
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
