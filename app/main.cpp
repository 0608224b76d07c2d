#include "Form1.h"
#include "Form1_application.h"
#include "command_line.h"
#include "no_display.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// While the application starts, Qt's messages are held back: when no display can be opened,
// Qt explains at length and aborts, and one line of the program's own says it better.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> held;

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string line = noDisplayLine(
            std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
        std::fprintf(stderr, "%s\n", line.c_str());
        std::_Exit(1);
    }
    held.push_back({type, context.file, context.function, context.category, context.line, text});
}

void passHeldMessagesOn() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        qtHandler(message.type, context, message.text);
    }
    held.clear();
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so that they need no display.
    if (const std::optional<std::string> answer = commandLineAnswer(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    qtHandler = qInstallMessageHandler(holdWhileStarting);
    QApplication app(argc, argv);
    passHeldMessagesOn();

    prepareApplication();
    Form1 window;
    showAtStart(window);
    return finishApplication(app.exec());
}
