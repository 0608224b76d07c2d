#include "Form1_platform.h"

#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <QProcess>
#include <qt_windows.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace {

QString systemFirstWeekdayName() {
    const QLocale locale = QLocale::system();
    return locale.dayName(locale.firstDayOfWeek(), QLocale::LongFormat);
}

void modalMessageBox(QWidget* parent, const QString& title, const QString& message) {
    // Qt breaks lines at a line feed only.
    QMessageBox box(QMessageBox::NoIcon, title, QString(message).replace(u'\r', u'\n'),
                    QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setIcon({}); // some desktop themes give dialog buttons icons
    box.exec();
}

bool systemBrowser(const QString& address) {
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

} // namespace

namespace platform {

Seam<QString()> firstWeekdayName(systemFirstWeekdayName);
Seam<void(QWidget*, const QString&, const QString&)> showMessage(modalMessageBox);
Seam<bool(const QString&)> openBrowser(systemBrowser);

} // namespace platform
