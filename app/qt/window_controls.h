#pragma once

#include <array>

#include "window_design.h"

class QWidget;

namespace tolbrek {

// The window's controls, in the order of the design.
using WindowControls = std::array<QWidget*, kWindowDesign.size()>;

// Makes every control of the design as a child of the window (BuildControl),
// laid out at `dpi`, then ties them together as the design has it: Tab
// visits them in the design's order, each input field's caption is its
// buddy, and a box lies over any caption it overlaps. The window takes the
// design's palette (DesignPalette) and keeps the text boxes' font as its
// own.
WindowControls BuildWindowControls(QWidget& window, int dpi);

// Lays the controls out again at another resolution: every place and font.
void LayOutWindowControls(QWidget& window, const WindowControls& controls, int dpi);

}  // namespace tolbrek
