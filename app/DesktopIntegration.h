#pragma once

// Ties the running wizard to its installed desktop entry: every window carries the program's
// icon, and the window system can match the windows to the menu entry that started them.
// Call right after the QApplication is made.
void integrateWithDesktop();
