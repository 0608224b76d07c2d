// The window's voice for assistive technology, and the hint in the result area.
//
// The result labels cannot take the focus, so a screen reader never reads them while the user
// types. Two things say them instead:
// - When focus reaches an input box or a level button, its accessible description is its tool
//   tip followed by the results, or by what keeps them away; the screen reader reads it with
//   the control. It is written as the focus arrives and taken back as it leaves, never while
//   the control has the focus.
// - While the control has the focus, the announcer (app/Form1_accessible.h) speaks the results
//   once they settle: half a second after the last key, so that a half-typed number is never
//   read, and at once after a level button, a sex, a formula or a unit system is chosen.
// Each change is spoken once, by the announcer alone. Qt 6.4 sends AT-SPI's description change
// with the object's path in place of the text, and Orca 43 says nothing for it; a Qt that sends
// the text (6.8 on) would have the screen reader speak the focused control's description as it
// changes. Neither can happen here: no description changes while its control has the focus, the
// announcer's name changes only while it is hidden and raises no event, and no announcement
// event of Qt 6.8 (QAccessibleAnnouncementEvent) is ever posted.
#include "app/Form1.h"

#include "localisation/texts.h"
#include "localisation/voice.h"

#include "app/Form1_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kSettleMilliseconds = 500;

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

    // In the result area, from the first result's line down: a longer reason wraps below it.
    SexHint = new QLabel(centralWidget());
    SexHint->setGeometry(0, DPNlabel->y(), centralWidget()->width(),
                         centralWidget()->height() - DPNlabel->y());
    SexHint->setFont(DPNlabel->font());
    SexHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SexHint->setWordWrap(true);
    SexHint->hide();

    Voice = new Announcer(centralWidget());
    settling = new QTimer(this);
    settling->setSingleShot(true);
    settling->setInterval(kSettleMilliseconds);
    connect(settling, &QTimer::timeout, this, [this] {
        const QString sentence = resultsSentence();
        if (sentence != Voice->sentence())
            Voice->say(sentence);
    });

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (isVoiced(old))
            old->setAccessibleDescription({}); // back to its tool tip alone
        if (isVoiced(now))
            now->setAccessibleDescription(voice::described(now->toolTip(), resultsSentence()));
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
// spaces that push it to the right, and the hint.
void Form1::writeVoiceTexts() {
    Option2->setAccessibleName(Option2->text().trimmed());
    speakResults();
}

voice::Gap Form1::resultsGap() const {
    // Until the first refresh the labels show the start-up texts, not results.
    const bool results =
        !BMRLabel->isHidden() && BMRLabel->text() != QLatin1StringView(texts::kLayout.buildDate);
    return results ? voice::Gap{} : voice::firstGap(currentInputs());
}

QString Form1::resultsSentence() const {
    const voice::Gap gap = resultsGap();
    if (gap.wait == voice::Wait::Nothing)
        return voice::resultsSentence(BMRLabel->text(), DCNLabel->text(), DPNlabel->text());
    return voice::gapSentence(words(), gap, Label[std::size_t(gap.box)]->text());
}

// The hint says what keeps the results away while they are hidden; the options say that a
// sex is to be chosen while none is.
void Form1::speakResults() {
    const bool hint = BMRLabel->isHidden() && resultsGap().wait != voice::Wait::Nothing;
    if (hint)
        SexHint->setText(resultsSentence()); // what keeps the results away
    SexHint->setVisible(hint);
    const QString choose =
        sex() == ventrimo::Sex::None ? QString::fromUtf8(words().chooseSex.c_str()) : QString();
    for (QRadioButton* option : {Option1, Option2})
        if (option->accessibleDescription() != choose)
            option->setAccessibleDescription(choose);
}

void Form1::sayResultsSoon() {
    settling->start();
}

void Form1::sayResultsNow(const QString& first) {
    settling->stop();
    Voice->say(voice::described(first, resultsSentence()));
}
