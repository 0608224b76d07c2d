// The floor of any start-up: a bare main window of a given size that ends after its first
// frame. Arguments: width and height, and --text for a second floor that also shows one line
// of text, which is what it costs to start the font system at all.
#include "first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QMainWindow window;
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    if (argc > 3 && std::strcmp(argv[3], "--text") == 0)
        window.setCentralWidget(new QLabel("BMR  1780 Cal"));
    new EndAfterFirstFrame(&window);
    window.show();
    return app.exec();
}
