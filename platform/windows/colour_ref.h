#pragma once

#include <windows.h>

#include <optional>

namespace tolbrek {

// The colour as GDI takes it. Any colour with red, green and blue channels,
// as the window design gives it: this library needs nothing of the design.
template <typename Colour>
constexpr COLORREF ColourRef(const Colour& colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// The design's colour where it gives one, else the system's own colour
// `standard` (COLOR_WINDOWTEXT, COLOR_WINDOW...), which follows the user's
// settings.
template <typename Colour>
COLORREF ColourRefOr(const std::optional<Colour>& colour, int standard)
{
    return colour ? ColourRef(*colour) : GetSysColor(standard);
}

}  // namespace tolbrek
