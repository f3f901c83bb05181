#pragma once

#include <QFont>

#include "window_design.h"

class QWidget;

namespace tolbrek {

// A control's font as designed: the design's family (DesignFontFamily) at the
// exact point size, fractions included, bold or italic, with its letter
// spacing.
QFont DesignFont(const ControlDesign& design);

// Makes the control that one line of the design describes, as a child of the
// window: the Qt class for its kind, its design name as object name, its place
// at 96 dpi in logical pixels (Qt scales them with the screen), its font,
// colours, alignment and caption, and the name a screen reader says. A text
// box is named by its caption instead, which the window makes its buddy.
QWidget* BuildControl(const ControlDesign& design, QWidget& window);

}  // namespace tolbrek
