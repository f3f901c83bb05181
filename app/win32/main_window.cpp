#include "main_window.h"

#include <string>

#include "wide_text.h"
#include "window_class.h"
#include "window_fit.h"
#include "window_placement.h"
#include "windows_failure.h"

namespace tolbrek {

namespace {

// The window whose CreateWindowExW is under way on this thread: the system
// asks it for its size (WM_GETMINMAXINFO) before it hands the window its
// object (WM_NCCREATE).
thread_local MainWindow* t_creating = nullptr;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, CommandServices services, HighContrastQuery highContrast)
    : m_services(std::move(services)), m_highContrast(highContrast)
{
    RegisterWindowClass(instance, &Procedure);
    // Made where it first stands at the system's resolution, fitted to the
    // work area of the screen there, rather than made and then moved: under
    // wine a move of the window costs as much as making two of its controls.
    const int systemDpi = static_cast<int>(GetDpiForSystem());
    const POINT corner{PixelsFromTwips(kDesignLeftTwips, systemDpi),
                       PixelsFromTwips(kDesignTopTwips, systemDpi)};
    m_monitor = MonitorFromPoint(corner, MONITOR_DEFAULTTONEAREST);
    const WindowFit first =
        FitWindow(systemDpi, WorkAreaOf(m_monitor), FrameAt(systemDpi), corner.x, corner.y);
    m_dpi = first.dpi;
    t_creating = this;
    CreateWindowExW(kWindowExtendedStyle, kWindowClassName, WideFromUtf8(kWindowTitle).c_str(),
                    kWindowStyle, first.outer.left, first.outer.top,
                    first.outer.right - first.outer.left, first.outer.bottom - first.outer.top,
                    nullptr, nullptr, instance, this);
    t_creating = nullptr;
    if (!m_window) ThrowLastError("could not create the window");
    // A screen of another resolution there: fitted again at that one.
    if (static_cast<int>(GetDpiForWindow(m_window)) != systemDpi) fitWhereItStands();
}

MainWindow::~MainWindow()
{
    if (IsWindow(m_window)) DestroyWindow(m_window);
}

void MainWindow::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(m_focus);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self && message == WM_GETMINMAXINFO && t_creating) {
        self = t_creating;
        self->m_window = window;
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        case WM_CREATE:
            return onCreate() ? 0 : -1;
        case WM_COMMAND:
            onCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        // Editable boxes ask with the first; read-only and disabled ones
        // with the second.
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (const HBRUSH brush = onControlColour(reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM:
            onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ACTIVATE:
            onActivate(LOWORD(wParam), HIWORD(wParam) != 0);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_WINDOWPOSCHANGED:
            onWindowPosChanged();
            break;
        case WM_GETMINMAXINFO:
            onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_DISPLAYCHANGE:
            onSettingsChanged();
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

bool MainWindow::onCreate()
{
    m_fonts = std::make_unique<DesignFonts>(m_dpi);
    m_colours = std::make_unique<WindowColours>(m_highContrast());
    // Tab follows the order in which controls are made. Labels take no
    // focus, so they come last: a text box made before a label it overlaps
    // lies above it (txtEnergy over the foot of Label12, the number fields
    // over the stars beside them).
    for (const bool labels : {false, true}) {
        for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
            if ((kWindowDesign[index].kind == ControlKind::Label) != labels) continue;
            if (!MakeControl(m_window, index, m_dpi, m_fonts->forControl(index), m_hooks[index])) {
                return false;
            }
        }
    }
    m_view.emplace(m_window);
    m_commands.emplace(*m_view, std::move(m_services));
    m_focus = control(FirstFocusIndex());
    return true;
}

// Buttons run their command; Enter, which the dialog manager sends as IDOK,
// presses the button that has the focus and nothing else. A field whose
// text changed is kept to its first line.
void MainWindow::onCommand(int id, HWND control, UINT notification)
{
    if (notification == EN_CHANGE) {
        const std::optional<std::size_t> index = IndexOfId(id);
        if (index && kWindowDesign[*index].field) KeepFirstLine(control);
        return;
    }
    if (id == IDOK) {
        const HWND focus = GetFocus();
        if (!focus || !IsChild(m_window, focus)) return;
        id = GetDlgCtrlID(focus);
        notification = BN_CLICKED;
    }
    const std::optional<std::size_t> index = IndexOfId(id);
    if (!index || notification != BN_CLICKED) return;
    if (const auto command = kWindowDesign[*index].command) m_commands->run(*command);
}

// The colours of a text box or help panel (WindowColours). A locked result
// field stays white like the other text boxes, where Windows would give it
// the window's face. None for the other controls: theirs are the system's.
HBRUSH MainWindow::onControlColour(HDC dc, HWND control)
{
    const std::optional<std::size_t> index = IndexOfId(GetDlgCtrlID(control));
    if (!index) return nullptr;
    const ControlDesign& design = kWindowDesign[*index];
    if (!design.field && design.kind != ControlKind::HelpPanel) return nullptr;
    const ControlColours colours = m_colours->of(*index);
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.ground);
    return colours.brush;
}

void MainWindow::onDrawItem(const DRAWITEMSTRUCT& item)
{
    const std::optional<std::size_t> index = IndexOfId(static_cast<int>(item.CtlID));
    if (item.CtlType != ODT_STATIC || !index) return;
    const ControlColours colours = m_colours->of(*index);
    FillRect(item.hDC, &item.rcItem, colours.brush);
    PaintCaption(item.hDC, item.rcItem, kWindowDesign[*index], m_fonts->forControl(*index), m_dpi,
                 colours.text);
}

// The focus stays where the user left it when the window is left and
// activated again; the system would put it on the window itself. While a
// box is open the window is disabled and the focus belongs to the box, even
// where the window is activated (as wine does on a click with no window
// manager).
void MainWindow::onActivate(UINT activation, bool minimized)
{
    if (activation == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(m_window, focus)) m_focus = focus;
    } else if (!minimized && m_focus && IsWindowEnabled(m_window)) {
        SetFocus(m_focus);
    }
}

// The taskbar moved or grew, a screen was added or removed, or high
// contrast was switched: the window fits itself and takes the colours anew,
// as do the standard controls.
void MainWindow::onSettingsChanged()
{
    m_colours = std::make_unique<WindowColours>(m_highContrast());
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    }
    fitWhereItStands();
    RedrawWindow(m_window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace tolbrek
