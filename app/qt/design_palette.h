#pragma once

#include <QPalette>

namespace tolbrek {

// The window's palette: the design's colours (kFormGrey, kBoxWhite,
// kDarkText) on every role the window draws its texts and their ground
// with, whatever the desktop's palette. A dark desktop theme would
// otherwise leave the design's blue digits on dark grey and light captions
// on the light form. The bevels of buttons and boxes are shades of the form,
// as Qt's light palette shades them, so that on a light desktop the window
// is drawn exactly as it always was. What the window does not draw itself
// (the selection, a tooltip) keeps the desktop's colours.
QPalette DesignPalette(QPalette desktop);

}  // namespace tolbrek
