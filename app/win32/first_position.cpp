#include "first_position.h"

#include "window_design.h"

namespace tolbrek {

namespace {

// How far to move [low, high) to lie within [first, last), the start winning.
LONG ShiftInto(LONG low, LONG high, LONG first, LONG last)
{
    LONG shift = 0;
    if (high > last) shift = last - high;
    if (low + shift < first) shift = first - low;
    return shift;
}

}  // namespace

RECT KeptInside(const RECT& window, const RECT& workArea)
{
    RECT kept = window;
    OffsetRect(&kept, ShiftInto(window.left, window.right, workArea.left, workArea.right),
               ShiftInto(window.top, window.bottom, workArea.top, workArea.bottom));
    return kept;
}

RECT FirstWindowRect(DWORD style, DWORD extendedStyle, int dpi)
{
    const int left = PixelsFromTwips(kDesignLeftTwips, dpi);
    const int top = PixelsFromTwips(kDesignTopTwips, dpi);
    RECT window{left, top, left + PixelsFromTwips(kClientWidthTwips, dpi),
                top + PixelsFromTwips(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&window, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return window;
    }
    return KeptInside(window, monitor.rcWork);
}

}  // namespace tolbrek
