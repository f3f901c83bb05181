#include "first_line_field.h"

#include <algorithm>
#include <string>

#include "line_breaks.h"
#include "window_text.h"

namespace tolbrek {

void KeepFirstLine(HWND edit)
{
    const std::wstring text = WindowText(edit);
    // Every line break lies in the Basic Multilingual Plane: no surrogate is one.
    const auto end =
        std::find_if(text.cbegin(), text.cend(), [](wchar_t c) { return IsLineBreak(c); });
    if (end == text.cend()) return;
    const auto firstLine = static_cast<DWORD>(end - text.cbegin());
    DWORD start = 0;
    DWORD finish = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&finish));
    // Not undoable: an undo must not bring the cut lines back. The change
    // comes back here and finds a single line.
    SendMessageW(edit, EM_SETSEL, firstLine, -1);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    SendMessageW(edit, EM_SETSEL, std::min(start, firstLine), std::min(finish, firstLine));
}

}  // namespace tolbrek
