#include "Form1.h"
#include "application.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    Form1 window;
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
