#include "Form1_accessible.h"

#include "app/Form1_controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

class AnnouncerInterface : public QAccessibleWidget {
  public:
    explicit AnnouncerInterface(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification), announcer(announcer) {}
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? announcer->sentence() : QString();
    }

  private:
    Announcer* announcer;
};

// An input box as a screen reader reads it. Qt's own line-edit interface reports its text
// attributes as empty runs at each offset ("Attributes at 0: [] (0-0)"), and Orca then leaves
// out the last character of the box: 30 is read "3". Here the whole text is one run, with no
// attributes. Qt's class is not exported, so this one answers the text interface itself.
class BoxInterface : public QAccessibleWidget,
                     public QAccessibleTextInterface,
                     public QAccessibleEditableTextInterface {
  public:
    explicit BoxInterface(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& value) override {
        if (kind == QAccessible::Value)
            box()->setText(value);
        else
            QAccessibleWidget::setText(kind, value);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text interface.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + int(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int /*index*/, int start, int end) override {
        box()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return box()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(box()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString all = box()->text();
        const QFontMetrics metrics(box()->font());
        const QRect inside = box()->contentsRect();
        const int left = inside.center().x() - metrics.horizontalAdvance(all) / 2; // centred
        const QRect glyph(left + metrics.horizontalAdvance(all.left(offset)),
                          inside.center().y() - metrics.height() / 2,
                          metrics.horizontalAdvance(all.mid(offset, 1)), metrics.height());
        return QRect(box()->mapToGlobal(glyph.topLeft()), glyph.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        box()->setCursorPosition(end);
        box()->setCursorPosition(start);
    }
    QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // The editable text interface.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        box()->setText(box()->text().replace(start, end - start, text));
    }
};

QAccessibleInterface* windowInterface(const QString& /*className*/, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new AnnouncerInterface(announcer);
    if (auto* box = dynamic_cast<InputBox*>(object))
        return new BoxInterface(box);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::say(const QString& sentence) {
    hide();
    said = sentence;
    show();
}

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    (void)installed;
}
