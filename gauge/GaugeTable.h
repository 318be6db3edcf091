#pragma once

#include <string>

// The 29 Standard Wire Gauge sizes the program knows, thickest first.
// A size is always named by its row, the GaugeIndex: 0 = 8 SWG ... 28 = 26 SWG.
using GaugeIndex = short;

inline constexpr int kGaugeCount = 29;
inline constexpr GaugeIndex kLastGauge = kGaugeCount - 1;

// Display label of a size, e.g. "13.5 SWG"; "" outside 0..28.
std::string gaugeLabel(GaugeIndex index);

// Diameter of one wire of the size in mm, as the area is worked out from it; 0 outside 0..28.
double gaugeDiameter(GaugeIndex index);

// Copper cross-section of one wire of the size in mm² (0.7853981 × d²); 0 outside 0..28.
double gaugeArea(GaugeIndex index);

// The gauge number as written in its label ("8", "13.5", "26"); "" outside 0..28.
std::string gaugeNumber(GaugeIndex index);
