#include "window_text.h"

namespace tolbrek {

std::wstring WindowText(HWND window)
{
    // The length may be larger than the text (a control may count a
    // conversion's worst case): the text is cut to what was copied.
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace tolbrek
