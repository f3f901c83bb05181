#pragma once

namespace tolbrek {

// A rectangle on the screen in the screen's pixels, right and bottom one
// past its last pixel.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// What a window's frame (its borders and title bar) adds around its client
// area, in the screen's pixels.
struct FrameExtents {
    int left;
    int top;
    int right;
    int bottom;
};

// The smallest resolution the window is laid out at: 60 % of the 96 dpi
// its design was drawn at. Smaller, its captions could hardly be read.
inline constexpr int kSmallestLayoutDpi = 58;

// The resolution at which to lay the window out on a screen of `screenDpi`
// so that, with its frame, it fits a work area `workWidth` by `workHeight`:
// the screen's own where it fits, else the largest below it that fits, and
// never below kSmallestLayoutDpi. The design's figures are in twips, so the
// window is the same design at any of them.
int FittingDpi(int screenDpi, int workWidth, int workHeight, const FrameExtents& frame);

// The window's rectangle moved as little as needed to lie inside the work
// area. A window larger than the work area keeps its top-left corner, and
// so its title bar, inside.
ScreenRect KeptInside(const ScreenRect& window, const ScreenRect& workArea);

// The window's outer rectangle laid out at `dpi`, its frame's top-left
// corner at `left`, `top`.
ScreenRect OuterRect(int dpi, const FrameExtents& frame, int left, int top);

// How the window first stands on a screen: the resolution it is laid out
// at, and its outer rectangle, frame included.
struct WindowFit {
    int dpi;
    ScreenRect outer;
    friend bool operator==(const WindowFit&, const WindowFit&) = default;
};

// The window fitted to a work area (FittingDpi), its client area's top-left
// corner at `clientLeft`, `clientTop` and moved as little as needed to lie
// inside the work area (KeptInside).
WindowFit FitWindow(int screenDpi, const ScreenRect& workArea, const FrameExtents& frame,
                    int clientLeft, int clientTop);

}  // namespace tolbrek
