#pragma once

class QApplication;

namespace desktop {

// Names the application after App, gives it the small sans-serif font the layouts are drawn
// for, shows screen readers its windows as the user sees them, and lets F1 on any page open the
// help. Call once, right after the QApplication is made.
void setUpApplication(QApplication& application);

}  // namespace desktop
