#include "Form1_controls.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionFocusRect>
#include <QtMath>
#include <qdrawutil.h>

AutoSizeLabel::AutoSizeLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void AutoSizeLabel::setText(const QString& caption) {
    if (caption == text())
        return;
    QLabel::setText(caption);
    resize(sizeHint());
}

void AutoSizeLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        overhangOf = QChar();
    QLabel::changeEvent(event);
}

// A last glyph that reaches past its advance (as "à" does) still gets its pixels.
qreal AutoSizeLabel::lastGlyphOverhang(const QFontMetricsF& metrics) const {
    if (text().isEmpty())
        return 0;
    if (overhangOf.isNull() || text().back() != overhangOf) {
        overhangOf = text().back();
        overhang = qMax(0.0, -metrics.rightBearing(overhangOf));
    }
    return overhang;
}

QSize AutoSizeLabel::sizeHint() const {
    const QFontMetricsF metrics(font());
    const QMargins margins = contentsMargins();
    const qreal width = metrics.horizontalAdvance(text()) + lastGlyphOverhang(metrics);
    return {qCeil(width) + margins.left() + margins.right(),
            qCeil(metrics.height()) + margins.top() + margins.bottom()};
}

void CommandButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const bool down = isDown() || isChecked();
    painter.fillRect(rect(), backColor(this));
    qDrawWinButton(&painter, rect(), palette(), down, nullptr);
    painter.setPen(foreColor(this));
    painter.setFont(font());
    const int shift = down ? 1 : 0; // the caption sinks with the button
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

Rectangle::Rectangle(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

namespace {

void setRoleColour(QWidget* control, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

} // namespace

QColor backColor(const QWidget* control) {
    return control->palette().color(control->backgroundRole());
}

void setBackColor(QWidget* control, const QColor& colour) {
    setRoleColour(control, control->backgroundRole(), colour);
    // A push button paints its own face from the palette; everything else is filled.
    if (!qobject_cast<QPushButton*>(control))
        control->setAutoFillBackground(true);
}

QColor foreColor(const QWidget* control) {
    return control->palette().color(control->foregroundRole());
}

void setForeColor(QWidget* control, const QColor& colour) {
    setRoleColour(control, control->foregroundRole(), colour);
}
