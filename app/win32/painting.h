#pragma once

// What the window draws with, and what it draws itself where a standard
// control cannot draw as the design says: the fonts, the labels' captions
// and the help panels' text.

#include <windows.h>

#include <array>
#include <memory>
#include <type_traits>
#include <vector>

#include "window_design.h"

namespace tolbrek {

// Deletes a font, brush or other GDI object when its holder goes.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

// A font's height in pixels at a resolution, negative as CreateFontW takes
// it for the em height; fractional point sizes are kept until this one
// rounding (14.25 pt is 19 pixels at 96 dpi). The design was laid out at 96
// dpi, where each of its sizes is a whole number of pixels, and its boxes
// grow exactly with the resolution; text does not. At the resolutions
// Windows offers, in steps of 25 %, a font rounds to the nearest pixel,
// halves down: rounded up, 9.75 pt would be 20 pixels at 144 dpi for the
// help panel's 13 at 96, not 19.5, and its longest line would no longer
// fit the panel. At any other resolution, where a window is laid out
// smaller to fit its screen, a font rounds down, so that no text grows
// faster than its box.
int FontHeight(double points, int dpi);

// The fonts of the window design at one resolution: one for each size and
// style the design uses, shared by the controls that use it.
class DesignFonts {
public:
    explicit DesignFonts(int dpi);

    // The font of the control at `index` in the design.
    HFONT forControl(std::size_t index) const { return m_byControl.at(index); }

private:
    std::vector<UniqueFont> m_fonts;
    std::array<HFONT, kWindowDesign.size()> m_byControl{};
};

// Draws a label's caption in its box as the design lays it out at `dpi`, in
// the colour `text`: wrapped at blanks, aligned left or centred and to the
// top, middle or bottom, with the design's line height and its letter
// spacing for whole-pixel text. A standard static control can do none of
// the last three, and its top-aligned line would lose the descenders of a
// 12-point caption in a 17-pixel box on Windows' own Arial. Nothing is
// clipped here: the label's window clips to its box.
void PaintCaption(HDC dc, const RECT& box, const ControlDesign& design, HFONT font, int dpi,
                  COLORREF text);

// Paints a help panel, a disabled multi-line edit control, in answer to its
// WM_PAINT: its text in the colours its parent gives for it
// (WM_CTLCOLORSTATIC), wrapped as the control wraps it. Windows draws a
// disabled edit control's text in the system's grey whatever the parent
// says, and wine's grey on the panels' light grey is hard to read.
void PaintHelpPanel(HWND panel);

}  // namespace tolbrek
