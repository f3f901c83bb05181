#include "main_window.h"

#include <windowsx.h>

#include <array>
#include <optional>
#include <string>

#include "colour_ref.h"
#include "control_ids.h"
#include "controls.h"
#include "painting.h"
#include "resource_ids.h"
#include "wide_text.h"
#include "win32_view.h"
#include "window_design.h"
#include "windows_failure.h"

namespace tolbrek {

// What the window keeps while it lives.
struct WindowState {
    explicit WindowState(CommandServices commandServices) : services(std::move(commandServices)) {}

    CommandServices services;  // handed to the commands once the window exists
    std::optional<Win32View> view;
    std::optional<LoadCommands> commands;
    int dpi = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<DesignFonts> fonts;
    std::array<UniqueBrush, kWindowDesign.size()> backgrounds;
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
    if (design.background) {
        state.backgrounds[index].reset(CreateSolidBrush(ColourRef(*design.background)));
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
    state.dpi = static_cast<int>(GetDpiForWindow(window));
    state.fonts = std::make_unique<DesignFonts>(state.dpi);
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

// The design's colours for a text box or help panel; none where the design
// leaves the platform's own. A locked result field stays white like the
// other text boxes, where Windows would give it the window's face.
HBRUSH ColourBox(HWND window, HDC dc, HWND control)
{
    const std::optional<std::size_t> index = DesignIndexOf(GetDlgCtrlID(control));
    if (!index) return nullptr;
    const ControlDesign& design = kWindowDesign[*index];
    const bool locked = design.kind == ControlKind::LockedTextBox;
    if (!design.text && !design.background && !locked) return nullptr;
    SetTextColor(dc, ColourRefOr(design.text, COLOR_WINDOWTEXT));
    if (design.background) {
        SetBkColor(dc, ColourRef(*design.background));
        return StateOf(window).backgrounds[*index].get();
    }
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return GetSysColorBrush(COLOR_WINDOW);
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
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(kWindowColour));
    PaintCaption(item->hDC, item->rcItem, kWindowDesign[*index], state.fonts->forControl(*index),
                 state.dpi);
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

// A move to a screen of another resolution: new fonts, every control placed
// again, and the frame the system suggests.
LRESULT OnDpiChanged(HWND window, int dpi, const RECT& suggested)
{
    WindowState& state = StateOf(window);
    state.dpi = dpi;
    auto fonts = std::make_unique<DesignFonts>(dpi);
    std::swap(state.fonts, fonts);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    LayOut(window, state);
    InvalidateRect(window, nullptr, TRUE);
    return 0;  // the old fonts go only once no control uses them
}

// The window is as large as its design at its resolution, even where that
// is larger than the screen, which the system would otherwise not allow.
// Asked first while the window is being created, before it has its state.
void OnGetMinMaxInfo(HWND window, LPMINMAXINFO limits)
{
    const int dpi = static_cast<int>(GetDpiForWindow(window));
    RECT frame{0, 0, PixelsFromTwips(kClientWidthTwips, dpi),
               PixelsFromTwips(kClientHeightTwips, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, kExtendedStyle, static_cast<UINT>(dpi));
    const POINT size{frame.right - frame.left, frame.bottom - frame.top};
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
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
        case WM_DPICHANGED:
            return OnDpiChanged(hwnd, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
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

MainWindow::MainWindow(HINSTANCE instance, CommandServices services)
    : m_state(std::make_unique<WindowState>(std::move(services)))
{
    RegisterWindowClass(instance);
    // Made where it first stands at the system's resolution, rather than
    // made and then moved: under wine a move of the window costs as much
    // as making two of its controls.
    const int systemDpi = static_cast<int>(GetDpiForSystem());
    const RECT first = FirstWindowRect(kStyle, kExtendedStyle, systemDpi);
    m_window = CreateWindowExW(kExtendedStyle, kClassName, WideFromUtf8(kWindowTitle).c_str(),
                               kStyle, first.left, first.top, first.right - first.left,
                               first.bottom - first.top, nullptr, nullptr, instance, m_state.get());
    if (!m_window) ThrowLastError("could not create the window");
    // A screen of another resolution there: placed again at that one.
    if (m_state->dpi != systemDpi) {
        const RECT again = FirstWindowRect(kStyle, kExtendedStyle, m_state->dpi);
        SetWindowPos(m_window, nullptr, again.left, again.top, again.right - again.left,
                     again.bottom - again.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
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
