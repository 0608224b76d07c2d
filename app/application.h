#pragma once

// What the whole application shares before its window is created: a style that paints the
// colours the window asks for on every platform, and the program's icon.
void prepareApplication();
