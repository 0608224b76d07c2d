// The window's voice for assistive technology, and the hint that asks for a sex.
//
// The result labels cannot take the focus, so a screen reader never reads them while the user
// types. Desktop calculators solve this by having the focused control say the results: while an
// input box or a level button has the focus, its accessible description is its tool tip
// followed by the results, or by what keeps them away. Writing the description raises a
// description change, which the screen reader reads out for the focused control. Only the
// focused control is written, and only when its description changes: a keystroke's refresh
// pays for three short strings and a comparison.
#include "app/Form1.h"

#include "localisation/texts.h"
#include "localisation/voice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

#include <algorithm>

namespace {

// The window's client area as assistive technology sees it: every control but the hidden
// placeholder option, which only holds the selection until a sex is chosen and is nothing a
// user can reach or choose.
class ClientInterface : public QAccessibleWidget {
  public:
    ClientInterface(QWidget* client, QWidget* placeholder)
        : QAccessibleWidget(client), placeholder(placeholder) {}

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
    QWidget* placeholder;
    QWidgetList children() const {
        QWidgetList list;
        for (QObject* object : widget()->children())
            if (auto* control = qobject_cast<QWidget*>(object))
                if (!control->isWindow() && control != placeholder)
                    list.append(control);
        return list;
    }
};

QAccessibleInterface* clientInterface(const QString& /*className*/, QObject* object) {
    Form1* form = object ? qobject_cast<Form1*>(object->parent()) : nullptr;
    if (!form || form->centralWidget() != object || !form->Option3)
        return nullptr;
    return new ClientInterface(form->centralWidget(), form->Option3);
}

} // namespace

void Form1::setUpVoice() {
    static const bool installed = [] {
        QAccessible::installFactory(clientInterface);
        return true;
    }();
    (void)installed;
    // An interface made for the client area before the factory could know it is made again.
    QAccessibleInterface* client = QAccessible::queryAccessibleInterface(centralWidget());
    if (client && !dynamic_cast<ClientInterface*>(client))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(client));
    Option3->setFocusPolicy(Qt::NoFocus);

    SexHint = new QLabel(centralWidget());
    SexHint->setGeometry(0, DPNlabel->y(), centralWidget()->width(), DPNlabel->height());
    SexHint->setFont(DPNlabel->font());
    SexHint->setAlignment(Qt::AlignCenter);
    SexHint->hide();

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget*) {
        if (isVoiced(old))
            old->setAccessibleDescription({}); // back to its tool tip alone
        speakResults();
    });
}

// The application's focus changes while the controls are destroyed; by then the window no
// longer listens.
Form1::~Form1() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

bool Form1::isVoiced(const QWidget* control) const {
    if (!control)
        return false;
    return std::ranges::find(text, control) != text.end() ||
           std::ranges::find(Command1, control) != Command1.end();
}

// What a language writes beyond the captions: Option2 named by its caption without the
// spaces that push it to the right, the hint, and the focused control's description.
void Form1::writeVoiceTexts(const texts::Catalogue& catalogue) {
    Option2->setAccessibleName(Option2->text().trimmed());
    SexHint->setText(QString::fromUtf8(catalogue.chooseSex.c_str()));
    speakResults();
}

void Form1::speakResults() {
    // Until the first refresh the labels show the start-up texts, not results.
    const bool results =
        !BMRLabel->isHidden() && BMRLabel->text() != QLatin1StringView(texts::kLayout.buildDate);
    voice::Gap gap;
    if (!results)
        gap = voice::firstGap(currentInputs());
    SexHint->setVisible(BMRLabel->isHidden() && gap.wait == voice::Wait::Sex);

    QWidget* focused = QApplication::focusWidget();
    if (!isVoiced(focused))
        return;
    const QString said =
        results ? voice::resultsSentence(BMRLabel->text(), DCNLabel->text(), DPNlabel->text())
                : voice::gapSentence(words(), gap, Label[std::size_t(gap.box)]->text());
    const QString description = voice::described(focused->toolTip(), said);
    if (focused->accessibleDescription() != description)
        focused->setAccessibleDescription(description);
}
