// What the window says to a screen reader beyond its controls' own accessible interfaces.
#pragma once

#include <QWidget>

// A notice a screen reader speaks once, without taking the focus and without anything shown:
// a widget of no size whose accessible role is a notification and whose name is the sentence.
// say() hides it and shows it again; a screen reader speaks a notification as it becomes
// showing (Orca's default script does, on AT-SPI's "showing" state change), and nothing else
// about it, neither its name nor its description, ever changes while it shows.
class Announcer : public QWidget {
  public:
    explicit Announcer(QWidget* parent);
    void say(const QString& sentence);
    const QString& sentence() const { return said; }

  private:
    QString said;
};

// Installs, once, the accessible interfaces of the announcer and of the input boxes.
void installAccessibleInterfaces();
