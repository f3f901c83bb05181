#include "window_fit.h"

#include "window_design.h"

namespace tolbrek {

namespace {

// The outer size of the window laid out at `dpi`.
int OuterWidth(int dpi, const FrameExtents& frame)
{
    return frame.left + PixelsFromTwips(kClientWidthTwips, dpi) + frame.right;
}

int OuterHeight(int dpi, const FrameExtents& frame)
{
    return frame.top + PixelsFromTwips(kClientHeightTwips, dpi) + frame.bottom;
}

// How far to move [low, high) to lie within [first, last), the start winning.
int ShiftInto(int low, int high, int first, int last)
{
    int shift = 0;
    if (high > last) shift = last - high;
    if (low + shift < first) shift = first - low;
    return shift;
}

}  // namespace

int FittingDpi(int screenDpi, int workWidth, int workHeight, const FrameExtents& frame)
{
    for (int dpi = screenDpi; dpi > kSmallestLayoutDpi; --dpi) {
        if (OuterWidth(dpi, frame) <= workWidth && OuterHeight(dpi, frame) <= workHeight) {
            return dpi;
        }
    }
    return kSmallestLayoutDpi;
}

ScreenRect KeptInside(const ScreenRect& window, const ScreenRect& workArea)
{
    const int right = ShiftInto(window.left, window.right, workArea.left, workArea.right);
    const int down = ShiftInto(window.top, window.bottom, workArea.top, workArea.bottom);
    return {window.left + right, window.top + down, window.right + right, window.bottom + down};
}

ScreenRect OuterRect(int dpi, const FrameExtents& frame, int left, int top)
{
    return {left, top, left + OuterWidth(dpi, frame), top + OuterHeight(dpi, frame)};
}

WindowFit FitWindow(int screenDpi, const ScreenRect& workArea, const FrameExtents& frame,
                    int clientLeft, int clientTop)
{
    const int dpi = FittingDpi(screenDpi, workArea.right - workArea.left,
                               workArea.bottom - workArea.top, frame);
    return {dpi, KeptInside(OuterRect(dpi, frame, clientLeft - frame.left, clientTop - frame.top),
                            workArea)};
}

}  // namespace tolbrek
