#include "colours.h"

#include "colour_ref.h"

namespace tolbrek {

bool SystemHighContrast()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

WindowColours::WindowColours(bool highContrast) : m_highContrast(highContrast)
{
    if (highContrast) return;
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        if (const auto& ground = kWindowDesign[index].background) {
            m_designGrounds[index].reset(CreateSolidBrush(ColourRef(*ground)));
        }
    }
}

ControlColours WindowColours::of(std::size_t index) const
{
    const ControlDesign& design = kWindowDesign[index];
    const bool caption = design.kind == ControlKind::Label;
    if (m_highContrast) {
        const int text = caption ? COLOR_BTNTEXT : COLOR_WINDOWTEXT;
        const int ground = caption ? COLOR_BTNFACE : COLOR_WINDOW;
        return {GetSysColor(text), GetSysColor(ground), GetSysColorBrush(ground)};
    }
    const COLORREF text = ColourRefOr(design.text, COLOR_WINDOWTEXT);
    if (m_designGrounds[index]) {
        return {text, ColourRef(*design.background), m_designGrounds[index].get()};
    }
    const int ground = caption ? COLOR_BTNFACE : COLOR_WINDOW;
    return {text, GetSysColor(ground), GetSysColorBrush(ground)};
}

}  // namespace tolbrek
