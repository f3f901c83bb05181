#include "main_window.h"

#include <windowsx.h>

#include <array>
#include <optional>
#include <string>

#include "colours.h"
#include "control_ids.h"
#include "controls.h"
#include "painting.h"
#include "resource_ids.h"
#include "wide_text.h"
#include "win32_view.h"
#include "window_design.h"
#include "window_fit.h"
#include "windows_failure.h"

namespace tolbrek {

// What the window keeps while it lives.
struct WindowState {
    WindowState(CommandServices commandServices, HighContrastQuery highContrastQuery)
        : services(std::move(commandServices)), highContrast(highContrastQuery)
    {
    }

    CommandServices services;  // handed to the commands once the window exists
    HighContrastQuery highContrast;
    std::optional<Win32View> view;
    std::optional<LoadCommands> commands;
    // The resolution the design is laid out at: the screen's own, less where
    // the window would not fit the screen's work area.
    int dpi = USER_DEFAULT_SCREEN_DPI;
    HMONITOR monitor = nullptr;  // the screen the window was fitted to
    std::unique_ptr<DesignFonts> fonts;
    std::unique_ptr<WindowColours> colours;
    // What each control adds to its own procedure; the controls reach it while they live.
    std::array<ControlHooks, kWindowDesign.size()> hooks;
    HWND focus = nullptr;  // the control that had the focus when the window was left
};

namespace {

constexpr const wchar_t* kClassName = L"TolbrekWindow";
// A fixed frame: the window can be moved and minimized, not resized.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExtendedStyle = 0;
// The face of the window and of its labels.
constexpr int kWindowColour = COLOR_BTNFACE;
// The help panels' inner margins, in pixels at 96 dpi.
constexpr int kPanelMargin = 2;

WindowState& StateOf(HWND window)
{
    return *reinterpret_cast<WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// A control's font at the window's resolution; `redraw` once it is shown.
void SetFont(HWND control, std::size_t index, const WindowState& state, BOOL redraw)
{
    SetWindowFont(control, state.fonts->forControl(index), redraw);
    if (kWindowDesign[index].kind == ControlKind::HelpPanel) {
        // Narrow inner margins, so that no line of the help text wraps.
        const int margin = MulDiv(kPanelMargin, state.dpi, USER_DEFAULT_SCREEN_DPI);
        SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(margin, margin));
    }
}

// Places and fonts of every control at a new resolution.
void LayOut(HWND window, WindowState& state)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const HWND control = GetDlgItem(window, ControlId(index));
        const PixelRect place = PixelsFromTwips(kWindowDesign[index].place, state.dpi);
        SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetFont(control, index, state, TRUE);
    }
}

HWND CreateControl(HWND window, std::size_t index, WindowState& state)
{
    const ControlDesign& design = kWindowDesign[index];
    const ControlClass type = ClassOf(design.kind);
    const PixelRect place = PixelsFromTwips(design.place, state.dpi);
    const HWND control =
        CreateWindowExW(type.extendedStyle, type.name, WideFromUtf8(design.caption).c_str(),
                        type.style, place.left, place.top, place.width, place.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(index))),
                        GetWindowInstance(window), nullptr);
    if (!control) return nullptr;
    SetFont(control, index, state, FALSE);
    if (design.kind == ControlKind::TextBox || design.kind == ControlKind::LockedTextBox) {
        // No length limit: 0 lifts the edit control's own default of 32,767.
        Edit_LimitText(control, 0);
    }
    // The system names a control after its text: a button needs no hook for
    // the name it has. Under wine a subclassed control costs two requests
    // to the wine server for each message it is sent.
    ControlHooks& hooks = state.hooks[index];
    if (design.kind != ControlKind::Label && design.accessibleName != design.caption)
        hooks.accessibleName = WideFromUtf8(design.accessibleName);
    hooks.helpPanel = design.kind == ControlKind::HelpPanel;
    if (!hooks.accessibleName.empty() || hooks.helpPanel) HookControl(control, hooks);
    return control;
}

BOOL OnCreate(HWND window, LPCREATESTRUCT /*create*/)
{
    WindowState& state = StateOf(window);
    state.fonts = std::make_unique<DesignFonts>(state.dpi);
    state.colours = std::make_unique<WindowColours>(state.highContrast());
    // Tab follows the order in which controls are created. Labels take no
    // focus, so they come last: a text box created before a label it
    // overlaps lies above it (Label12 over txtEnergy, the stars over the
    // number fields).
    for (const bool labels : {false, true}) {
        for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
            if ((kWindowDesign[index].kind == ControlKind::Label) != labels) continue;
            if (!CreateControl(window, index, state)) return FALSE;
        }
    }
    state.view.emplace(window);
    state.commands.emplace(*state.view, std::move(state.services));
    state.focus = GetDlgItem(window, IDC_TXTBULWT);
    return TRUE;
}

// Buttons run their command; Enter, which the dialog manager sends as IDOK,
// presses the button that has the focus and nothing else. A field whose
// text changed is kept to its first line.
void OnCommand(HWND window, int id, HWND control, UINT notification)
{
    if (notification == EN_CHANGE) {
        const std::optional<std::size_t> index = DesignIndexOf(id);
        if (index && kWindowDesign[*index].field) KeepFirstLine(control);
        return;
    }
    if (id == IDOK) {
        const HWND focus = GetFocus();
        if (!focus || !IsChild(window, focus)) return;
        id = GetDlgCtrlID(focus);
        notification = BN_CLICKED;
    }
    const std::optional<std::size_t> index = DesignIndexOf(id);
    if (!index || notification != BN_CLICKED) return;
    const ControlDesign& design = kWindowDesign[*index];
    if (design.kind != ControlKind::Button || !design.command) return;
    StateOf(window).commands->run(*design.command);
}

// The colours of a text box or help panel (WindowColours). A locked result
// field stays white like the other text boxes, where Windows would give it
// the window's face.
HBRUSH ColourBox(HWND window, HDC dc, HWND control)
{
    const std::optional<std::size_t> index = DesignIndexOf(GetDlgCtrlID(control));
    if (!index) return nullptr;
    const ControlDesign& design = kWindowDesign[*index];
    if (!design.field && design.kind != ControlKind::HelpPanel) return nullptr;
    const ControlColours colours = StateOf(window).colours->of(*index);
    SetTextColor(dc, colours.text);
    SetBkColor(dc, colours.ground);
    return colours.brush;
}

HBRUSH OnCtlColorEdit(HWND window, HDC dc, HWND control, int /*type*/)
{
    if (const HBRUSH brush = ColourBox(window, dc, control)) return brush;
    return FORWARD_WM_CTLCOLOREDIT(window, dc, control, DefWindowProcW);
}

// Read-only and disabled edit controls ask here.
HBRUSH OnCtlColorStatic(HWND window, HDC dc, HWND control, int /*type*/)
{
    if (const HBRUSH brush = ColourBox(window, dc, control)) return brush;
    return FORWARD_WM_CTLCOLORSTATIC(window, dc, control, DefWindowProcW);
}

void OnDrawItem(HWND window, const DRAWITEMSTRUCT* item)
{
    const std::optional<std::size_t> index = DesignIndexOf(static_cast<int>(item->CtlID));
    if (item->CtlType != ODT_STATIC || !index) return;
    const WindowState& state = StateOf(window);
    const ControlColours colours = state.colours->of(*index);
    FillRect(item->hDC, &item->rcItem, colours.brush);
    PaintCaption(item->hDC, item->rcItem, kWindowDesign[*index], state.fonts->forControl(*index),
                 state.dpi, colours.text);
}

// The focus stays where the user left it when the window is left and
// activated again; the system would put it on the window itself. While a
// box is open the window is disabled and the focus belongs to the box, even
// where the window is activated (as wine does on a click with no window
// manager).
void OnActivate(HWND window, UINT activation, HWND /*other*/, BOOL minimized)
{
    WindowState& state = StateOf(window);
    if (activation == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) state.focus = focus;
    } else if (!minimized && state.focus && IsWindowEnabled(window)) {
        SetFocus(state.focus);
    }
}

// What the frame adds around the client area at a screen's resolution.
FrameExtents FrameAt(int screenDpi)
{
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, static_cast<UINT>(screenDpi));
    return {-frame.left, -frame.top, frame.right, frame.bottom};
}

ScreenRect ScreenRectOf(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The work area of a screen: the screen less its taskbar.
ScreenRect WorkAreaOf(HMONITOR monitor)
{
    MONITORINFO information{};
    information.cbSize = sizeof information;
    GetMonitorInfoW(monitor, &information);
    return ScreenRectOf(information.rcWork);
}

// Lays the window out at `dpi`: new fonts, every control placed again.
void LayOutAt(HWND window, WindowState& state, int dpi)
{
    state.dpi = dpi;
    auto fonts = std::make_unique<DesignFonts>(dpi);
    std::swap(state.fonts, fonts);
    LayOut(window, state);
    InvalidateRect(window, nullptr, TRUE);
}  // the old fonts go only once no control uses them

// Fits the window to the screen of `screenDpi` it stands on, with its
// frame's top-left corner at `left`, `top`: laid out at the largest
// resolution up to the screen's own at which it fits the work area
// (FittingDpi), and moved as little as needed to lie inside it.
void FitAt(HWND window, WindowState& state, int screenDpi, int left, int top)
{
    const FrameExtents frame = FrameAt(screenDpi);
    const RECT wanted{left, top, left + 1, top + 1};
    state.monitor = MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST);
    const ScreenRect work = WorkAreaOf(state.monitor);
    const int dpi = FittingDpi(screenDpi, work.right - work.left, work.bottom - work.top, frame);
    const ScreenRect outer = KeptInside(OuterRect(dpi, frame, left, top), work);
    SetWindowPos(window, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (dpi != state.dpi) LayOutAt(window, state, dpi);
}

void FitWhereItStands(HWND window, WindowState& state)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    FitAt(window, state, static_cast<int>(GetDpiForWindow(window)), outer.left, outer.top);
}

// A move to a screen of another resolution: fitted to it where the system
// suggests.
LRESULT OnDpiChanged(HWND window, int screenDpi, const RECT& suggested)
{
    FitAt(window, StateOf(window), screenDpi, suggested.left, suggested.top);
    return 0;
}

// A move to another screen of the same resolution, whose work area may be
// smaller or larger.
void OnWindowPosChanged(HWND window, const WINDOWPOS* /*position*/)
{
    WindowState& state = StateOf(window);
    if (MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST) != state.monitor) {
        FitWhereItStands(window, state);
    }
}

// The taskbar moved or grew, a screen was added or removed, or high
// contrast was switched: the window fits itself and takes the colours anew,
// as do the standard controls.
void OnSettingsChanged(HWND window)
{
    WindowState& state = StateOf(window);
    state.colours = std::make_unique<WindowColours>(state.highContrast());
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    }
    FitWhereItStands(window, state);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

// The window is as large as its design laid out, even where that is larger
// than the screen (at the smallest resolution on a tiny one), which the
// system would otherwise not allow. Asked first while the window is being
// created, before it has its state.
void OnGetMinMaxInfo(HWND window, LPMINMAXINFO limits)
{
    const auto* state =
        reinterpret_cast<const WindowState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const int screenDpi = static_cast<int>(GetDpiForWindow(window));
    const ScreenRect outer = OuterRect(state ? state->dpi : screenDpi, FrameAt(screenDpi), 0, 0);
    const POINT size{outer.right, outer.bottom};
    limits->ptMaxSize = size;
    limits->ptMaxTrackSize = size;
}

void OnDestroy(HWND /*window*/)
{
    PostQuitMessage(0);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    if (message == WM_GETMINMAXINFO) {
        return HANDLE_WM_GETMINMAXINFO(hwnd, wParam, lParam, OnGetMinMaxInfo);
    }
    if (!GetWindowLongPtrW(hwnd, GWLP_USERDATA))
        return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, OnCtlColorEdit);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, OnCtlColorStatic);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(hwnd, WM_WINDOWPOSCHANGED, OnWindowPosChanged);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
        case WM_DPICHANGED:
            return OnDpiChanged(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
        case WM_DISPLAYCHANGE:
            OnSettingsChanged(hwnd);
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterWindowClass(HINSTANCE instance)
{
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = WindowProcedure;
    type.hInstance = instance;
    type.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(TOLBREK_ICON), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    type.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TOLBREK_ICON),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = GetSysColorBrush(kWindowColour);
    type.lpszClassName = kClassName;
    // A second window in the same process (as in the tests) finds it there.
    if (!RegisterClassExW(&type) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        ThrowLastError("could not register the window class");
    }
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, CommandServices services, HighContrastQuery highContrast)
    : m_state(std::make_unique<WindowState>(std::move(services), highContrast))
{
    RegisterWindowClass(instance);
    // Made where it first stands at the system's resolution, fitted to the
    // work area of the screen there, rather than made and then moved: under
    // wine a move of the window costs as much as making two of its controls.
    const int systemDpi = static_cast<int>(GetDpiForSystem());
    const POINT corner{PixelsFromTwips(kDesignLeftTwips, systemDpi),
                       PixelsFromTwips(kDesignTopTwips, systemDpi)};
    m_state->monitor = MonitorFromPoint(corner, MONITOR_DEFAULTTONEAREST);
    const WindowFit first =
        FitWindow(systemDpi, WorkAreaOf(m_state->monitor), FrameAt(systemDpi), corner.x, corner.y);
    m_state->dpi = first.dpi;
    m_window = CreateWindowExW(
        kExtendedStyle, kClassName, WideFromUtf8(kWindowTitle).c_str(), kStyle, first.outer.left,
        first.outer.top, first.outer.right - first.outer.left, first.outer.bottom - first.outer.top,
        nullptr, nullptr, instance, m_state.get());
    if (!m_window) ThrowLastError("could not create the window");
    // A screen of another resolution there: fitted again at that one.
    if (static_cast<int>(GetDpiForWindow(m_window)) != systemDpi) {
        FitWhereItStands(m_window, *m_state);
    }
}

int MainWindow::layoutDpi() const
{
    return m_state->dpi;
}

MainWindow::~MainWindow()
{
    if (IsWindow(m_window)) DestroyWindow(m_window);
}

void MainWindow::show(int showCommand)
{
    ShowWindow(m_window, showCommand);
    UpdateWindow(m_window);
    SetFocus(m_state->focus);
}

namespace {

// The repeat of a held Return: the dialog manager would make each one a
// press of the focused button, and a button runs its command once per press.
bool IsRepeatedReturn(const MSG& message)
{
    return message.message == WM_KEYDOWN && message.wParam == VK_RETURN &&
           (message.lParam & (LPARAM{1} << 30)) != 0;
}

}  // namespace

void DeliverMessage(HWND window, MSG& message)
{
    if (IsRepeatedReturn(message) || IsDialogMessageW(window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunEventLoop(HWND window)
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DeliverMessage(window, message);
    return static_cast<int>(message.wParam);
}

}  // namespace tolbrek
