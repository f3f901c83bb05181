#include "controls.h"

#include <commctrl.h>

#include <string>

#include "accessibility.h"
#include "line_breaks.h"
#include "painting.h"
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
