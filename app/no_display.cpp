#include "no_display.h"

namespace {

std::string setting(const char* name, const char* value) {
    return value ? std::string(name) + "=" + value : std::string(name) + " not set";
}

} // namespace

std::string noDisplayLine(const char* platform, const char* waylandDisplay, const char* display) {
    return "ventrimo needs a graphical display and could not open one (" +
           setting("QT_QPA_PLATFORM", platform) + ", " +
           setting("WAYLAND_DISPLAY", waylandDisplay) + ", " + setting("DISPLAY", display) + ")";
}
