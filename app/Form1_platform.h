// The platform's services that the window uses and tests must not use for real. Tests put
// stand-ins into these seams; the program runs the real services.
#pragma once

#include "app/seam.h"

#include <QString>

class QWidget;

namespace platform {

// The full name of the first day of the week, in the language of the user's locale.
extern Seam<QString()> firstWeekdayName;

// A modal box with a title, the message, one OK button and no icon; returns when it is closed.
// A carriage return in the message separates its lines, each kept whole where the screen allows.
extern Seam<void(QWidget* parent, const QString& title, const QString& message)> showMessage;

// The same box for a text to keep: selectable, with a button of the given caption beside OK
// that copies the whole text as plain text, lines ending in a line feed, and leaves the box
// open; Ctrl+C copies the selection, or the whole text when nothing is selected.
extern Seam<void(QWidget* parent, const QString& title, const QString& message,
                 const QString& copyCaption)>
    showCopyable;

// Starts the system's browser on an address without waiting for it; false when it could not be
// started.
extern Seam<bool(const QString& address)> openBrowser;

} // namespace platform
