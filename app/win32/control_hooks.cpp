#include "control_hooks.h"

#include "accessible_name.h"
#include "help_panel.h"

namespace tolbrek {

namespace {

LRESULT CALLBACK HookedProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto* hooks =
        reinterpret_cast<const ControlHooks*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    switch (message) {
        case WM_GETOBJECT:
            if (!hooks->accessibleName.empty() &&
                static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
                if (const LRESULT answer = AnswerWithName(control, wParam, hooks->accessibleName)) {
                    return answer;
                }
            }
            break;
        case WM_PAINT:
            if (hooks->helpPanel) {
                PaintHelpPanel(control);
                return 0;
            }
            break;
        default:
            break;
    }
    return CallWindowProcW(hooks->own, control, message, wParam, lParam);
}

}  // namespace

void HookControl(HWND control, ControlHooks& hooks)
{
    hooks.own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&hooks));
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProcedure));
}

}  // namespace tolbrek
