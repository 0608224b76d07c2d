#include "Form1_controls.h"

#include "options/themes.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionButton>
#include <QStylePainter>
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
    if (hasFocus())
        drawFocusRing(painter, rect().adjusted(2, 2, -2, -2)); // inside the bevel
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void InputBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusRing(painter, rect().adjusted(1, 1, -1, -1)); // inside the frame
    }
}

// QLineEdit selects all while the focus is still arriving, and the screen reader that hears of
// the selection before the focus reads the box twice.
void InputBox::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent arriving(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&arriving);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus() && !hasSelectedText())
                selectAll();
        },
        Qt::QueuedConnection);
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event); // the selection stays
        return;
    }
    QFocusEvent leaving(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QLineEdit::focusOutEvent(&leaving);
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!hasFocus())
                deselect();
        },
        Qt::QueuedConnection);
}

bool OptionButton::hitButton(const QPoint& point) const {
    return rect().contains(point);
}

// The style's own focus frame hugs the caption and barely shows; the ring goes round the whole
// button instead.
void OptionButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_RadioButton, option);
    if (hasFocus())
        drawFocusRing(painter, rect());
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

void drawFocusRing(QPainter& painter, const QRect& outer) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(themes::kFocusOuter), 1));
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(QColor::fromRgb(themes::kFocusInner), 1));
    painter.drawRect(outer.adjusted(1, 1, -2, -2));
    painter.restore();
}
