#include "message_loop.h"

namespace tolbrek {

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
