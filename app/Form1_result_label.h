// A result label whose caption the mouse can select and the user can copy: Ctrl+C, or the
// window's context menu. Until the mouse selects, it paints exactly as any other label.
#pragma once

#include "Form1_controls.h"

class ResultLabel : public AutoSizeLabel {
  public:
    explicit ResultLabel(QWidget* parent);

    // The selected part of the caption, or nothing.
    QString selectedText() const;
    // Puts the selection on the clipboard, or the whole caption when nothing is selected.
    void copy() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // A selection holds for the caption it was made on; a new caption ends it.
    QString selectedIn;
    qsizetype anchor = 0;
    qsizetype cursor = 0;

    bool hasSelection() const;
    void select(qsizetype from, qsizetype to);
    qsizetype characterAt(qreal x) const;
    qreal textLeft() const;
    qreal advanceTo(qsizetype characters) const;
};
