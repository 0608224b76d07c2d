// The window's voice for a screen reader.
//
// The result labels cannot take the focus, so a screen reader never reads them while the user
// types. Two things say them instead:
// - When focus reaches an input box or a level button, its accessible description is its tool
//   tip followed by the results, or by what keeps them away; the screen reader reads it with
//   the control. It is written as the focus arrives and taken back as it leaves, never while
//   the control has the focus, so a Qt that tells description changes (6.8 does; 6.4 sends the
//   object's path in place of the text) has no change to tell.
// - While the control has the focus, the announcer speaks the results once they settle: half a
//   second after the last key, so that a half-typed number is never read, and not at all when
//   the sentence is the one said last (a key typed and taken back within the pause); at once
//   after a level button, a sex, a formula or a unit system is chosen.
#include "app/Form1_screen_reader.h"

#include "app/Form1.h"
#include "app/Form1_controls.h"
#include "localisation/voice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kSettleMilliseconds = 500;

// A notification whose name is the announcer's last sentence.
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

// The client area as assistive technology sees it: every control but the hidden placeholder
// option, which only holds the selection until a sex is chosen and is nothing a user can reach
// or choose.
class ClientInterface : public QAccessibleWidget {
  public:
    explicit ClientInterface(ClientArea* client) : QAccessibleWidget(client) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QWidgetList list = children();
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

  private:
    QWidgetList children() const {
        const auto* form = qobject_cast<const Form1*>(widget()->parentWidget());
        QWidgetList list;
        for (QObject* object : widget()->children())
            if (auto* control = qobject_cast<QWidget*>(object))
                if (!control->isWindow() && (!form || control != form->Option3))
                    list.append(control);
        return list;
    }
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
    // Named by its caption (the buddy of the box), with no relation to the caption's label:
    // Orca 48 keeps a label's text for up to a minute, and after the language command it said
    // the old caption, then the new name.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        related.removeIf([](const auto& relation) { return relation.second & QAccessible::Label; });
        return related;
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
    if (auto* client = dynamic_cast<ClientArea*>(object))
        return new ClientInterface(client);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    (void)installed;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& sentence) {
    said = sentence;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) && !defined(VENTRIMO_ANNOUNCE_BY_NOTIFICATION)
    QAccessibleAnnouncementEvent announcement(this, sentence);
    QAccessible::updateAccessibility(&announcement);
#else
    hide();
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
#endif
    emit announced(sentence);
}

void Form1::setUpScreenReader() {
    announcer = new Announcer(centralWidget());
    settling = new QTimer(this);
    settling->setSingleShot(true);
    settling->setInterval(kSettleMilliseconds);
    connect(settling, &QTimer::timeout, this, [this] {
        const QString sentence = resultsSentence();
        if (sentence != announcer->sentence())
            announcer->announce(sentence);
    });

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (describesResults(old))
            old->setAccessibleDescription({}); // back to its tool tip alone
        if (describesResults(now))
            now->setAccessibleDescription(voice::described(now->toolTip(), resultsSentence()));
    });
}

// The application's focus changes while the controls are destroyed; by then the window no
// longer listens.
Form1::~Form1() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

bool Form1::describesResults(const QWidget* control) const {
    if (!control)
        return false;
    return std::ranges::find(text, control) != text.end() ||
           std::ranges::find(Command1, control) != Command1.end();
}

// Option2 named by its caption without the spaces that push it to the right.
void Form1::writeAccessibleNames() {
    Option2->setAccessibleName(Option2->text().trimmed());
}

void Form1::announceResultsSoon() {
    settling->start();
}

void Form1::announceResultsNow(const QString& first) {
    settling->stop();
    announcer->announce(voice::described(first, resultsSentence()));
}
