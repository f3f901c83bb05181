#include "help_panel.h"

#include <windowsx.h>

#include <string>

#include "window_text.h"

namespace tolbrek {

void PaintHelpPanel(HWND panel)
{
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(panel, &paint);
    RECT client{};
    GetClientRect(panel, &client);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(panel), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(panel)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const std::wstring text = WindowText(panel);
    RECT format{};
    SendMessageW(panel, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const HGDIOBJ previousFont = SelectObject(dc, GetWindowFont(panel));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &format,
              DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, previousFont);
    EndPaint(panel, &paint);
}

}  // namespace tolbrek
