#pragma once

class QWidget;

// What a screen reader meets (through Qt's accessibility bridge: AT-SPI on Linux). Qt alone
// would show every page as a nameless "filler" among its hidden pages and hidden controls;
// here the program is a set of windows, each page a frame holding the controls it shows.
namespace desktop {

// Makes screen readers meet the windows as the user sees them:
// - the application holds only the windows on the screen;
// - a page is a frame (so that its coming to the front is announced) and a frame of controls
//   a panel under its caption, each holding only the controls it shows;
// - a choice box is read under its own name, with the item chosen as its value (Qt on Linux
//   reads the item chosen as its name);
// - the progress bar is one object, its value the share of the search done.
// Call once, right after the QApplication is made, before any window is shown.
void installAccessibleWindows();

// Leaves a control that the user sees out of what a screen reader reads, because another
// control's name already says it (the words that end the sentence a count begins).
void hideFromScreenReaders(QWidget* control);

}  // namespace desktop
