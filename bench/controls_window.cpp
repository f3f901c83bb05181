// The bare window of the start-up benchmark with the design's 28 controls,
// made as tolbrek.exe makes them (same classes, styles, places and texts,
// version 6 of the common controls through the same manifest) and nothing
// more: no fonts, colours, screen-reader names or focus, the captions drawn
// plainly in the system's font.
// What any window of these 28 controls costs to start; the benchmark
// measures tolbrek.exe against it as well as against the bare window.

#include <windows.h>

#include <string>

#include "controls.h"
#include "window_design.h"

namespace {

LRESULT CALLBACK ControlsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
        wchar_t text[64] = {};
        GetWindowTextW(item->hwndItem, text, 64);
        RECT box = item->rcItem;
        SetBkMode(item->hDC, TRANSPARENT);
        DrawTextW(item->hDC, text, -1, &box, DT_WORDBREAK | DT_NOPREFIX);
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand)
{
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = ControlsProcedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    type.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    type.lpszClassName = L"ControlsWindow";
    RegisterClassExW(&type);
    constexpr DWORD kStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame{498, 93, 498 + 551, 93 + 673};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const HWND window = CreateWindowExW(
        0, L"ControlsWindow", L"Tolbrek", kStyle, frame.left, frame.top, frame.right - frame.left,
        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    int id = 1000;
    for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
        const tolbrek::ControlClass kind = tolbrek::ClassOf(design.kind);
        const tolbrek::PixelRect place = tolbrek::PixelsFromTwips(design.place, 96);
        const std::wstring text(design.caption.begin(), design.caption.end());
        CreateWindowExW(kind.extendedStyle, kind.name, text.c_str(), kind.style, place.left,
                        place.top, place.width, place.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
