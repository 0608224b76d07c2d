#include "web.h"

#include "app/Form1.h"

#ifdef Q_OS_WIN
#include <QProcess>
#include <qt_windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace browser {
namespace {

bool openWithSystem(const QString& address) {
#ifdef Q_OS_WIN
    // The shell hands the address to the default browser; it starts minimised and activated.
    QProcess explorer;
    explorer.setProgram("explorer");
    explorer.setArguments({address});
    explorer.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
    return explorer.startDetached();
#else
    return QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
#endif
}

Opener& current() {
    static Opener opener = openWithSystem;
    return opener;
}

} // namespace

bool open(const QString& address) {
    return current()(address);
}

void setOpener(Opener opener) {
    current() = opener ? std::move(opener) : Opener(openWithSystem);
}

} // namespace browser

void Form1::WEB_Click() {
    // A browser that does not start is no business of the calculator's: nothing to show.
    (void)browser::open(kWebAddress);
}
