#pragma once

#include <array>

#include "window_design.h"

class QWidget;

namespace tolbrek {

// The window's controls, in the order of the design.
using WindowControls = std::array<QWidget*, kWindowDesign.size()>;

// Makes every control of the design as a child of the window (BuildControl),
// then ties them together as the design has it: Tab visits them in the
// design's order, each input field's caption is its buddy, and a box lies
// over any caption it overlaps. The window keeps the text boxes' font as its
// own.
WindowControls BuildWindowControls(QWidget& window);

}  // namespace tolbrek
