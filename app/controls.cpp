#include "controls.h"

#include <QPalette>

void AutoSizeLabel::setText(const QString& caption) {
    QLabel::setText(caption);
    adjustSize();
}

Rectangle::Rectangle(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

QColor backColor(const QWidget* control) {
    return control->palette().color(control->backgroundRole());
}

void setBackColor(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), colour);
    control->setPalette(palette);
    // A push button paints its own face from the palette; everything else is filled.
    if (!qobject_cast<QPushButton*>(control))
        control->setAutoFillBackground(true);
}

QColor foreColor(const QWidget* control) {
    return control->palette().color(control->foregroundRole());
}

void setForeColor(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(control->foregroundRole(), colour);
    control->setPalette(palette);
}
