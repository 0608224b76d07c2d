// What the whole application shares with its one window.
#pragma once

class QWidget;

// Before the window is created: the style, the program's icon, and the names that tie the
// window to its desktop entry.
void prepareApplication();

// Shows the window where it opens at start: centred on its screen where it fits, its title bar
// and menu on the screen where it does not. On Wayland the compositor places it.
void showAtStart(QWidget& window);

// What main returns once the event loop has ended. Under Wayland the process ends here, without
// tearing the platform connection down: Qt 6.4's Wayland client can deadlock while its two event
// threads stop (one may leave a prepared read behind that the other then waits on for ever),
// and a process that never exits after its window closed is worse than a skipped clean-up. The
// window keeps nothing that needs saving.
int finishApplication(int status);
