// What a screen reader hears of the window beyond what Qt's own accessible interfaces say: the
// input boxes read whole, the client area without the hidden placeholder option, and the
// results, said by an announcer as they settle and by the focused box or level button in its
// description.
#pragma once

#include <QWidget>

// Says a sentence to a screen reader once, without taking the focus and without drawing.
//
// Qt 6.8 and later post it as an announcement, which AT-SPI hands on as such and Orca speaks as
// it comes. Earlier Qt has no announcement: there the announcer is a widget of no size whose
// accessible role is a notification and whose name is the sentence. It hides, tells the new
// name, and shows again: Orca speaks a notification as it becomes showing, and says nothing of
// a name changed while hidden. The name change must be told, or a screen reader that keeps the
// names it has read (Orca 48 does) speaks the first sentence ever announced again and again.
class Announcer : public QWidget {
    Q_OBJECT

  public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& sentence);
    // The last sentence announced.
    const QString& sentence() const { return said; }

  signals:
    void announced(const QString& sentence);

  private:
    QString said;
};

// The window's client area, which a screen reader walks without the hidden placeholder option.
class ClientArea : public QWidget {
  public:
    using QWidget::QWidget;
};

// Installs, once, the accessible interfaces of the announcer, the client area and the input
// boxes. Qt keeps an object's interface once made, so this comes before the first of them.
void installAccessibleInterfaces();
