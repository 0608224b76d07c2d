#include "Form1_platform.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>

#include <climits>

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

// The fewest words on one line of a text wrapped at a width.
int fewestWordsOnALine(const QString& text, const QFont& font, int width) {
    int fewest = INT_MAX;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            const QString words = paragraph.mid(line.textStart(), line.textLength());
            fewest = qMin(fewest, int(words.split(u' ', Qt::SkipEmptyParts).size()));
        }
        layout.endLayout();
    }
    return fewest;
}

// QMessageBox wraps a text wider than a width of its own choosing, 500 pixels, which a desktop
// font wider than Qt's own exceeds: the lines broke where they please, leaving a word alone.
// The label is given the width of the longest line, so that each line stays whole, as far as
// the widest box Qt allows on the screen holds it; a line wider still wraps at a width that
// leaves no word alone on a line.
void keepLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (!label)
        return;
    const QString text = label->text();
    const QFontMetrics metrics = label->fontMetrics();
    int width = 0;
    for (const QString& line : text.split(u'\n'))
        width = qMax(width, metrics.horizontalAdvance(line) + 2); // with the caret's room
    // QMessageBox's own widest box, less its margins.
    const int screen = box.screen()->availableGeometry().width();
    const int room = (screen <= 1024 ? screen : qMin(screen - 480, 1000)) - 60;
    if (width > room) {
        width = room;
        while (width > room / 2 && fewestWordsOnALine(text, label->font(), width) < 2)
            width -= metrics.averageCharWidth();
    }
    label->setMinimumWidth(width);
}

void modalMessageBox(QWidget* parent, const QString& title, const QString& message) {
    // Qt breaks lines at a line feed only.
    QMessageBox box(QMessageBox::NoIcon, title, QString(message).replace(u'\r', u'\n'),
                    QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setIcon({}); // some desktop themes give dialog buttons icons
    keepLinesWhole(box);
    box.exec();
}

void copyableMessageBox(QWidget* parent, const QString& title, const QString& message,
                        const QString& copyCaption) {
    const QString text = QString(message).replace(u'\r', u'\n');
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* ok = qobject_cast<QPushButton*>(box.button(QMessageBox::Ok));
    ok->setIcon({});
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    QPushButton* copy = box.addButton(copyCaption, QMessageBox::ActionRole);
    copy->setIcon({});
    // The box closes on any of its buttons but this one.
    QObject::disconnect(copy, nullptr, box.findChild<QDialogButtonBox*>(), nullptr);
    QObject::connect(copy, &QPushButton::clicked, &box,
                     [text] { QGuiApplication::clipboard()->setText(text); });
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    auto* copySelection = new QAction(&box);
    copySelection->setShortcut(QKeySequence::Copy);
    box.addAction(copySelection);
    QObject::connect(copySelection, &QAction::triggered, &box, [label, text] {
        QString selected = label ? label->selectedText() : QString();
        QGuiApplication::clipboard()->setText(
            selected.isEmpty() ? text : selected.replace(QChar::ParagraphSeparator, u'\n'));
    });
    keepLinesWhole(box);
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
Seam<void(QWidget*, const QString&, const QString&, const QString&)>
    showCopyable(copyableMessageBox);
Seam<bool(const QString&)> openBrowser(systemBrowser);

} // namespace platform
