// The few kinds of control the window needs beyond what Qt offers as it is.
#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

// A label that sizes itself to its caption: its left and top edges stay, it grows to the right
// and downwards. Transparent, so the band or the window behind it shows through.
class AutoSizeLabel : public QLabel {
  public:
    explicit AutoSizeLabel(QWidget* parent);
    void setText(const QString& caption);
    // One line of plain text, measured by its advance: the results are resized on every
    // keystroke, and QLabel's own measure lays the whole text out each time.
    QSize sizeHint() const override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // How far the last glyph reaches past its advance, for the last character measured: asking
    // the font costs more than the rest of the measure, and the results always end alike.
    mutable QChar overhangOf;
    mutable qreal overhang = 0;
    qreal lastGlyphOverhang(const QFontMetricsF& metrics) const;
};

// A push button that carries a tag text, as the level buttons carry their multipliers. Its face
// is painted flat in its background colour, so a colour theme shows exactly as chosen. Return
// and Enter click it, as Space does.
class CommandButton : public QPushButton {
  public:
    using QPushButton::QPushButton;
    QString Tag;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A single-line text box that shows a clear focus ring while it has the focus. Reached by Tab,
// it selects its text once the focus has arrived, so that a screen reader reads it once, and
// leaving, it drops the selection once the focus has gone, so that nothing is read of it.
class InputBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// An option button that a click anywhere in its rectangle selects, with a clear focus ring
// around the whole button.
class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& point) const override;
    void paintEvent(QPaintEvent* event) override;
};

// A filled rectangle without border, drawn behind the labels.
class Rectangle : public QWidget {
  public:
    explicit Rectangle(QWidget* parent);
};

// The colour a control paints behind its content, and the colour of its text. Plain RGB.
QColor backColor(const QWidget* control);
void setBackColor(QWidget* control, const QColor& colour);
QColor foreColor(const QWidget* control);
void setForeColor(QWidget* control, const QColor& colour);

// The focus ring of the window's controls, inside the given rectangle.
void drawFocusRing(QPainter& painter, const QRect& outer);
