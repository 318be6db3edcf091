#pragma once

class QWidget;

namespace forms {

// Makes every caption of a window show whole at the fonts the system provides: a label, or a
// read-only text without a scroll bar, grows downward as far as the next control below it; a
// caption that still does not fit, and the caption of a button, check box or option button
// that is too wide, takes a smaller font. Places and widths stay as laid out.
void fitCaptions(QWidget& window);

}  // namespace forms
