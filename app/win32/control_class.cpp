#include "control_class.h"

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

}  // namespace tolbrek
