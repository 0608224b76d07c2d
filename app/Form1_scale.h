// The window on monitors of different scale factors.
#pragma once

class QWidget;

// Keeps a fixed-size window whole wherever it goes. Its size is fixed in device-independent
// pixels, but the window system holds the window's size, and the size hints that pin it, in
// device pixels, converted once when they are set; carried onto a monitor of another scale
// factor, the window would keep the old monitor's device pixels and cut off its content,
// drawn at the new scale. On every change of screen the size and its hints are handed over
// again, at the new monitor's scale.
void followScreenScale(QWidget* window);
