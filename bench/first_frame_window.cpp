// The program's start-up as main() does it, ending after the window's first frame. With
// --size it prints the window's size instead, for the floor program to copy.
#include "app/Form1.h"
#include "app/Form1_application.h"
#include "first_frame.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication();
    Form1 window;
    if (argc > 1 && std::strcmp(argv[1], "--size") == 0) {
        std::printf("%d %d\n", window.width(), window.height());
        return 0;
    }
    new EndAfterFirstFrame(&window);
    showAtStart(window);
    return app.exec();
}
