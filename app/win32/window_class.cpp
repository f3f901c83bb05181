#include "window_class.h"

#include "resource_ids.h"
#include "window_design.h"
#include "windows_failure.h"

namespace tolbrek {

static_assert(TOLBREK_ICON < kFirstControlId, "the resource script's ids lie below the controls'");

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = procedure;
    type.hInstance = instance;
    type.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(TOLBREK_ICON), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    type.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(TOLBREK_ICON),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = kWindowClassName;
    if (!RegisterClassExW(&type) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        ThrowLastError("could not register the window class");
    }
}

}  // namespace tolbrek
