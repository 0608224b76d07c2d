// What the whole application shares with its one window.
#pragma once

class QWidget;

// Before the window is created: the style, the program's icon, and the names that tie the
// window to its desktop entry.
void prepareApplication();

// Shows the window where it opens at start: centred on its screen where it fits, its title bar
// and menu on the screen where it does not. On Wayland the compositor places it.
void showAtStart(QWidget& window);
