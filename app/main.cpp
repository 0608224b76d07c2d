#include "Form1.h"
#include "Form1_application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    Form1 window;
    showAtStart(window);
    return app.exec();
}
