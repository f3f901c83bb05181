#include "control_hooks.h"

#include <commctrl.h>

#include "accessible_name.h"
#include "help_panel.h"

namespace tolbrek {

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

}  // namespace tolbrek
