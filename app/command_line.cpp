#include "command_line.h"

#include <string_view>

std::optional<std::string> commandLineAnswer(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version")
            return "ventrimo " VENTRIMO_VERSION "\n";
        if (argument == "--help")
            return "Usage: ventrimo [--help | --version]\n"
                   "Ventrimo calculates one person's daily energy and protein needs: it opens a\n"
                   "window in which age, weight, height, body fat and an activity level are "
                   "typed.\n"
                   "\n"
                   "  --help     print this help and exit\n"
                   "  --version  print the version and exit\n"
                   "\n"
                   "The program takes no other options of its own; the standard options of Qt\n"
                   "applications (such as -platform) are passed to Qt. See ventrimo(1).\n";
    }
    return std::nullopt;
}
