#pragma once

#include <optional>

// Whether the wizard has a display to open its windows on, decided before Qt is asked: without
// one, Qt aborts with advice about reinstalling. A platform chosen in QT_QPA_PLATFORM (such as
// offscreen) and a Wayland session are taken at their word; otherwise the X display named in
// DISPLAY has to open.
//
// Returns the exit status when the program should end at once, with a one-line hint on how to
// start it printed; nothing when the wizard can start.
std::optional<int> refuseWithoutDisplay();
