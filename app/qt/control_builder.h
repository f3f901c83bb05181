#pragma once

#include <QFont>

#include "window_design.h"

class QWidget;

namespace tolbrek {

// A control's font as designed, laid out at `dpi` (96 is the design's own
// size): the design's family (DesignFontFamily) at the exact point size,
// fractions included, bold or italic, with its letter spacing.
QFont DesignFont(const ControlDesign& design, int dpi = 96);

// Makes the control that one line of the design describes, as a child of the
// window: the Qt class for its kind, its design name as object name, its
// place and font (PlaceControl), colours, alignment and caption, and the name
// a screen reader says. A text box is named by its caption instead, which the
// window makes its buddy.
QWidget* BuildControl(const ControlDesign& design, QWidget& window, int dpi);

// Puts a control where the design places it and gives it its font, laid
// out at `dpi` in logical pixels: 96 is the design's own size, which Qt
// scales with the screen; a window too large for its screen is laid out
// smaller.
void PlaceControl(QWidget& control, const ControlDesign& design, int dpi);

}  // namespace tolbrek
