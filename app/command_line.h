// The two options the program answers itself, before any display is opened: --help and
// --version. Every other argument is left to Qt, as it always was.
#pragma once

#include <optional>
#include <string>

// What to print on standard output for --help or --version (the first of them on the command
// line), or nothing when neither is there and the window should open.
std::optional<std::string> commandLineAnswer(int argc, const char* const* argv);
