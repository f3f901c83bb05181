#pragma once

#include <windows.h>

namespace tolbrek {

// Keeps a message box from being answered by keys and clicks that were
// meant for the window, as long as it lives: a second Return pressed on
// Save Data just before the box of a failed save appeared would otherwise
// close it unseen, and a failure whose only sign is the box would pass for
// success. Until the box has been shown for a moment, every key and click
// is dropped, wherever it was headed, those pressed before it appeared
// included; no person reads a box and answers it that fast. A key held
// down answers nothing: its repeats are dropped however long the box has
// been up. Made on the window's thread just before MessageBoxW, whose own
// loop hands every message to the thread's message filters first.
class BoxInputGuard {
public:
    explicit BoxInputGuard(HWND owner);
    ~BoxInputGuard();
    BoxInputGuard(const BoxInputGuard&) = delete;
    BoxInputGuard& operator=(const BoxInputGuard&) = delete;

private:
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
    bool drops(const MSG& message);

    HWND m_owner;
    HHOOK m_hook;
    DWORD m_shownAt = 0;
    bool m_shown = false;
    BoxInputGuard* m_outer;
};

}  // namespace tolbrek
