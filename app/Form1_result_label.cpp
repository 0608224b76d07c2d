#include "Form1_result_label.h"

#include "app/Form1.h"
#include "localisation/texts.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>

// The focus policy stays at none: Tab passes the label by, and QLabel keeps painting it the
// plain way (a label that takes focus lays its text out as a document, a pixel higher and at a
// cost on every caption). A click gives it the focus that Ctrl+C needs all the same.
ResultLabel::ResultLabel(QWidget* parent) : AutoSizeLabel(parent) {
    setCursor(Qt::IBeamCursor);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

bool ResultLabel::hasSelection() const {
    return anchor != cursor && selectedIn == text();
}

QString ResultLabel::selectedText() const {
    if (!hasSelection())
        return {};
    return text().mid(qMin(anchor, cursor), qAbs(cursor - anchor));
}

void ResultLabel::copy() const {
    QApplication::clipboard()->setText(hasSelection() ? selectedText() : text());
}

void ResultLabel::select(qsizetype from, qsizetype to) {
    selectedIn = text();
    anchor = from;
    cursor = to;
    // Where there is one, the X11 primary selection takes what is selected.
    QClipboard* clipboard = QApplication::clipboard();
    if (hasSelection() && clipboard->supportsSelection())
        clipboard->setText(selectedText(), QClipboard::Selection);
    update();
}

// The caption is drawn centred on one line: its characters start where half the room it leaves
// begins.
qreal ResultLabel::textLeft() const {
    return contentsRect().left() + (contentsRect().width() - advanceTo(text().size())) / 2;
}

qreal ResultLabel::advanceTo(qsizetype characters) const {
    return QFontMetricsF(font()).horizontalAdvance(text().left(characters));
}

// The boundary between characters nearest to x.
qsizetype ResultLabel::characterAt(qreal x) const {
    const qreal offset = x - textLeft();
    qsizetype best = 0;
    for (qsizetype i = 1; i <= text().size(); ++i)
        if (qAbs(advanceTo(i) - offset) < qAbs(advanceTo(best) - offset))
            best = i;
    return best;
}

// The label paints itself as always; a selection is laid over it: the highlight, and the same
// caption drawn again in the highlighted text's colour, clipped to the selected characters.
void ResultLabel::paintEvent(QPaintEvent* event) {
    AutoSizeLabel::paintEvent(event);
    if (!hasSelection())
        return;
    const qreal left = textLeft();
    const QRectF band(left + advanceTo(qMin(anchor, cursor)), contentsRect().top(),
                      advanceTo(qMax(anchor, cursor)) - advanceTo(qMin(anchor, cursor)),
                      contentsRect().height());
    QPainter painter(this);
    painter.fillRect(band, palette().brush(QPalette::Highlight));
    painter.setClipRect(band);
    const int flags = int(alignment()) | Qt::TextForceLeftToRight;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          QPalette::HighlightedText);
}

void ResultLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        const qsizetype at = characterAt(event->position().x());
        select(at, at);
    }
    AutoSizeLabel::mousePressEvent(event);
}

void ResultLabel::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        select(anchor, characterAt(event->position().x()));
    AutoSizeLabel::mouseMoveEvent(event);
}

void ResultLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        select(anchor, characterAt(event->position().x()));
    AutoSizeLabel::mouseReleaseEvent(event);
}

void ResultLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        select(0, text().size());
    AutoSizeLabel::mouseDoubleClickEvent(event);
}

void ResultLabel::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        select(0, text().size());
        return;
    }
    AutoSizeLabel::keyPressEvent(event);
}

// QLabel would lay its text out as a document once it has the focus; the label keeps its plain
// painting and does its own selecting.
void ResultLabel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

void ResultLabel::focusOutEvent(QFocusEvent* event) {
    // The open context menu takes the focus for a moment; the selection is what it copies.
    if (event->reason() != Qt::PopupFocusReason && hasSelection())
        select(0, 0);
    AutoSizeLabel::focusOutEvent(event);
}

// The results' context menu, in the window's language (English when the caption names none):
// copying, and the working while there are results.
void Form1::showResultMenu(ResultLabel* label, const QPoint& position) {
    QMenu menu(label);
    menu.addAction(words().copy.c_str(), label, [label] { label->copy(); });
    offerWorking(&menu);
    menu.exec(label->mapToGlobal(position));
}
