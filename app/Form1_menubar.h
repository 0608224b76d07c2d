// The menu bar's fit to the window and its keys.
#pragma once

class QMenu;
class QMenuBar;

// Keeps every entry of the menu bar visible and whole within a width: the bar takes the
// desktop's font, and where the desktop's font is too wide for the captions, the bar's font is
// made smaller until they fit. Fitted again whenever a caption, the desktop's font or the style
// changes. F10 puts the bar in its keyboard mode with the first menu open, as on GNOME and
// KDE; Down runs a command entry as Return does.
void setUpMenuBar(QMenuBar* bar, QMenu* first, int width);
