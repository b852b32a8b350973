// Qt aborts when the display its platform needs cannot be reached. This finds, before Qt starts,
// a display the program can use, or says plainly why there is none.
#pragma once

#include <string>

// Empty when a display answers. Where the X display cannot be reached (or DISPLAY is unset) but a
// Wayland display answers, it makes Qt use Wayland. Otherwise one sentence that names the display
// tried. QT_QPA_PLATFORM chosen by the user is kept; only X11 and Wayland are checked, and on
// Windows nothing is.
std::string checkDisplay();
