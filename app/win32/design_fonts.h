#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "gdi_holders.h"
#include "window_design.h"

namespace tolbrek {

// A font's height in pixels at a screen's dots per inch, negative as
// CreateFontW takes it for the em height; fractional point sizes are kept
// until this one rounding (14.25 pt is 19 pixels at 96 dpi).
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

}  // namespace tolbrek
