// The author's web site, and the one way the program hands an address to the browser.
#pragma once

#include <QString>

#include <functional>

// Shown by the window until the first result, and opened by the web command.
inline const QString kWebAddress = QStringLiteral("https://example.org");

namespace browser {

// Starts the system's browser on an address without waiting for it; false when it could not
// be started.
using Opener = std::function<bool(const QString& address)>;

bool open(const QString& address);

// Tests put an opener of their own here; an empty one restores the system's.
void setOpener(Opener opener);

} // namespace browser
