#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void prepareApplication() {
    // The native styles of some platforms ignore a button's colour; Fusion paints it.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setWindowIcon(QIcon(":/icons/ventrimo.xpm"));
}
