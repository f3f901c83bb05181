#include "window_placement.h"

#include "main_window.h"
#include "window_class.h"

// Where the window stands on the screen and at which resolution it is laid
// out: the screen's own, or the largest at which it fits the screen's work
// area (FittingDpi), again whenever the screen, its resolution or the work
// area changes.
namespace tolbrek {

FrameExtents FrameAt(int screenDpi)
{
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, FALSE, kWindowExtendedStyle,
                             static_cast<UINT>(screenDpi));
    return {-frame.left, -frame.top, frame.right, frame.bottom};
}

ScreenRect WorkAreaOf(HMONITOR monitor)
{
    MONITORINFO information{};
    information.cbSize = sizeof information;
    GetMonitorInfoW(monitor, &information);
    const RECT& work = information.rcWork;
    return {work.left, work.top, work.right, work.bottom};
}

// New fonts, every control placed again; the old fonts go only once no
// control uses them.
void MainWindow::layOutAt(int dpi)
{
    m_dpi = dpi;
    auto fonts = std::make_unique<DesignFonts>(dpi);
    std::swap(m_fonts, fonts);
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        PlaceControl(control(index), index, dpi, m_fonts->forControl(index), true);
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

// Fits the window to the screen of `screenDpi` it stands on, with its
// frame's top-left corner at `left`, `top`, and moves it as little as needed
// to lie inside the work area.
void MainWindow::fitAt(int screenDpi, int left, int top)
{
    const FrameExtents frame = FrameAt(screenDpi);
    const RECT wanted{left, top, left + 1, top + 1};
    m_monitor = MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST);
    const ScreenRect work = WorkAreaOf(m_monitor);
    const int dpi = FittingDpi(screenDpi, work.right - work.left, work.bottom - work.top, frame);
    const ScreenRect outer = KeptInside(OuterRect(dpi, frame, left, top), work);
    SetWindowPos(m_window, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (dpi != m_dpi) layOutAt(dpi);
}

void MainWindow::fitWhereItStands()
{
    RECT outer{};
    GetWindowRect(m_window, &outer);
    fitAt(static_cast<int>(GetDpiForWindow(m_window)), outer.left, outer.top);
}

// A move to a screen of another resolution: fitted to it where the system
// suggests.
void MainWindow::onDpiChanged(int screenDpi, const RECT& suggested)
{
    fitAt(screenDpi, suggested.left, suggested.top);
}

// A move to another screen of the same resolution, whose work area may be
// smaller or larger.
void MainWindow::onWindowPosChanged()
{
    if (MonitorFromWindow(m_window, MONITOR_DEFAULTTONEAREST) != m_monitor) fitWhereItStands();
}

// The window is as large as its design laid out, even where that is larger
// than the screen (at the smallest resolution on a tiny one), which the
// system would otherwise not allow.
void MainWindow::onGetMinMaxInfo(MINMAXINFO& limits) const
{
    const ScreenRect outer =
        OuterRect(m_dpi, FrameAt(static_cast<int>(GetDpiForWindow(m_window))), 0, 0);
    limits.ptMaxSize = {outer.right, outer.bottom};
    limits.ptMaxTrackSize = limits.ptMaxSize;
}

}  // namespace tolbrek
