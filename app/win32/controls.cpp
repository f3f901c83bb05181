#include "controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "accessibility.h"
#include "line_breaks.h"
#include "painting.h"
#include "wide_text.h"
#include "window_text.h"

namespace tolbrek {

ControlClass ClassOf(ControlKind kind)
{
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
        case ControlKind::Label:
            // Drawn by PaintCaption; the static control keeps the text.
            return {L"STATIC", kChild | SS_OWNERDRAW | SS_NOPREFIX, 0};
        case ControlKind::TextBox:
            return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::LockedTextBox:
            return {L"EDIT", kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY,
                    WS_EX_CLIENTEDGE};
        case ControlKind::HelpPanel:
            return {L"EDIT", kChild | WS_DISABLED | ES_LEFT | ES_MULTILINE, WS_EX_CLIENTEDGE};
        case ControlKind::ListBox:
            // Exactly the designed height, not a whole number of lines.
            return {L"LISTBOX",
                    kChild | WS_TABSTOP | WS_VSCROLL | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            break;
    }
    return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
}

namespace {

// The help panels' inner margins, in pixels at 96 dpi.
constexpr int kPanelMargin = 2;

// The one subclass Tolbrek puts on a control.
constexpr UINT_PTR kHooksSubclass = 1;

LRESULT CALLBACK HookedProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR /*subclass*/, DWORD_PTR data)
{
    const auto& hooks = *reinterpret_cast<const ControlHooks*>(data);
    switch (message) {
        case WM_GETOBJECT:
            if (!hooks.accessibleName.empty() &&
                static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
                if (const LRESULT answer = AnswerWithName(control, wParam, hooks.accessibleName)) {
                    return answer;
                }
            }
            break;
        case WM_PAINT:
            if (hooks.helpPanel) {
                PaintHelpPanel(control);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            // comctl32 asks that a subclass be removed before its window goes.
            RemoveWindowSubclass(control, HookedProcedure, kHooksSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool HookControl(HWND control, const ControlHooks& hooks)
{
    return SetWindowSubclass(control, HookedProcedure, kHooksSubclass,
                             reinterpret_cast<DWORD_PTR>(&hooks)) != FALSE;
}

HWND MakeControl(HWND window, std::size_t index, int dpi, HFONT font, ControlHooks& hooks)
{
    const ControlDesign& design = kWindowDesign[index];
    const ControlClass type = ClassOf(design.kind);
    const PixelRect place = PixelsFromTwips(design.place, dpi);
    const HWND control =
        CreateWindowExW(type.extendedStyle, type.name, WideFromUtf8(design.caption).c_str(),
                        type.style, place.left, place.top, place.width, place.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                        GetWindowInstance(window), nullptr);
    if (!control) return nullptr;
    SetControlFont(control, index, dpi, font, false);
    if (design.kind == ControlKind::TextBox || design.kind == ControlKind::LockedTextBox) {
        // No length limit: 0 lifts the edit control's own default of 32,767.
        Edit_LimitText(control, 0);
    }
    // The system names a control after its text: a button needs no hook for
    // the name it has. Under wine a subclassed control costs two requests
    // to the wine server for each message it is sent.
    if (design.kind != ControlKind::Label && design.kind != ControlKind::Button) {
        hooks.accessibleName = WideFromUtf8(AccessibleNameOf(design));
    }
    hooks.helpPanel = design.kind == ControlKind::HelpPanel;
    if (!hooks.accessibleName.empty() || hooks.helpPanel) HookControl(control, hooks);
    return control;
}

void PlaceControl(HWND control, std::size_t index, int dpi, HFONT font, bool redraw)
{
    const PixelRect place = PixelsFromTwips(kWindowDesign[index].place, dpi);
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetControlFont(control, index, dpi, font, redraw);
}

void SetControlFont(HWND control, std::size_t index, int dpi, HFONT font, bool redraw)
{
    SetWindowFont(control, font, redraw);
    if (kWindowDesign[index].kind == ControlKind::HelpPanel) {
        // Narrow inner margins, so that no line of the help text wraps.
        const int margin = MulDiv(kPanelMargin, dpi, USER_DEFAULT_SCREEN_DPI);
        SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                     MAKELPARAM(margin, margin));
    }
}

void KeepFirstLine(HWND edit)
{
    const std::wstring text = WindowText(edit);
    DWORD start = 0;
    DWORD finish = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&finish));
    const auto kept = KeptLine(std::wstring_view(text), finish);
    if (!kept) return;
    // Not undoable: an undo must not bring the cut lines back. The change
    // comes back here and finds a single line.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(kept->text.c_str()));
    SendMessageW(edit, EM_SETSEL, kept->cursor, kept->cursor);
}

}  // namespace tolbrek
