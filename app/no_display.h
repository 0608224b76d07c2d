// What the program says when it finds no graphical display to open its window on.
#pragma once

#include <string>

// One line naming the variables that choose and find a display, as they were set (a null
// pointer for one that was not).
std::string noDisplayLine(const char* platform, const char* waylandDisplay, const char* display);
