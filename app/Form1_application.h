// What the whole application shares with its one window.
#pragma once

class QWidget;

// Before the window is created: a style that paints the colours the window asks for on every
// platform, and the program's icon.
void prepareApplication();

// Shows the window where it opens at start: centred on its screen.
void showAtStart(QWidget& window);
