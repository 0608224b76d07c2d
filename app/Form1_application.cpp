#include "Form1_application.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

void prepareApplication() {
    // The native styles of some platforms ignore a button's colour; Fusion paints it.
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setWindowIcon(QIcon(":/icons/ventrimo.xpm"));
}

void showAtStart(QWidget& window) {
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
}
