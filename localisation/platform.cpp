#include "platform.h"

#include <QLocale>
#include <QMessageBox>

namespace weekday {
namespace {

QString systemFirstDayName() {
    const QLocale locale = QLocale::system();
    return locale.dayName(locale.firstDayOfWeek(), QLocale::LongFormat);
}

Source& current() {
    static Source source = systemFirstDayName;
    return source;
}

} // namespace

QString firstDayName() {
    return current()();
}

void setSource(Source source) {
    current() = source ? std::move(source) : Source(systemFirstDayName);
}

} // namespace weekday

namespace messagebox {
namespace {

void showModal(QWidget* parent, const QString& title, const QString& message) {
    // Qt breaks lines at a line feed only.
    QMessageBox box(QMessageBox::NoIcon, title, QString(message).replace(u'\r', u'\n'),
                    QMessageBox::Ok, parent);
    box.exec();
}

Shower& current() {
    static Shower shower = showModal;
    return shower;
}

} // namespace

void show(QWidget* parent, const QString& title, const QString& message) {
    current()(parent, title, message);
}

void setShower(Shower shower) {
    current() = shower ? std::move(shower) : Shower(showModal);
}

} // namespace messagebox
