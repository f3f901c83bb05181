#pragma once

#include <windows.h>

#include "window_design.h"

namespace tolbrek {

// Draws a label's caption in its box as the design lays it out: wrapped at
// blanks, aligned left or centred and to the top, middle or bottom, with the
// design's line height and its letter spacing for whole-pixel text. A standard static control can
// do none of the last three, and its top-aligned line would lose the descenders of a 12-point
// caption in a 17-pixel box on Windows' own Arial. Nothing is clipped here: the label's window
// clips to its box.
void PaintCaption(HDC dc, const RECT& box, const ControlDesign& design, HFONT font, int dpi);

}  // namespace tolbrek
