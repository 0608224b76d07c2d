// The two services of the platform that localisation needs and tests must not use for real:
// the locale's name for its first weekday, and a modal message box.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace weekday {

// The full name of the first day of the week, in the language of the user's locale.
QString firstDayName();

using Source = std::function<QString()>;
void setSource(Source source); // an empty source restores the system's

} // namespace weekday

namespace messagebox {

// A modal box with a title, the message, one OK button and no icon; returns when it is closed.
// A carriage return in the message separates its lines.
void show(QWidget* parent, const QString& title, const QString& message);

using Shower = std::function<void(QWidget* parent, const QString& title, const QString& message)>;
void setShower(Shower shower); // an empty one restores the real box

} // namespace messagebox
