#pragma once

#include <QRect>

// Window layouts are drawn in twips (1/1440 inch). They become pixels at the screen's logical
// DPI, so that 15 twips make one pixel at 96 DPI; Qt's own high-DPI scaling does the rest.
namespace forms {

inline constexpr int kTwipsPerInch = 1440;

int twipsToPixels(int twips);
int pixelsToTwips(int pixels);

// A control's place given as left, top, width, height in twips.
QRect twipsRect(int left, int top, int width, int height);

}  // namespace forms
