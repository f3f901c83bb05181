#pragma once

#include <windows.h>

#include <memory>

#include "load_commands.h"

namespace tolbrek {

struct WindowState;

// The one window of Tolbrek on Windows: its 28 controls built from the
// window design (kWindowDesign), scaled to the screen's resolution, with
// the four buttons running the same commands as every other window.
//
// A classic Win32 window: one window procedure hands each message to a small
// On... function, and everything the window keeps lives in a WindowState
// reached through GWLP_USERDATA.
class MainWindow {
public:
    // The services are the system's own in the program (SystemServices);
    // tests stand in for the files, the editor and the report location.
    MainWindow(HINSTANCE instance, CommandServices services);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return m_window; }

    // Shows the window at its first position, with the focus in txtBulwt.
    void show(int showCommand);

private:
    std::unique_ptr<WindowState> m_state;
    HWND m_window = nullptr;
};

// The window's rectangle moved as little as needed to lie inside the work
// area. A window larger than the work area keeps its top-left corner, and
// so its title bar, inside.
RECT KeptInside(const RECT& window, const RECT& workArea);

// Where the window, with this style, is first placed at this resolution:
// its client area's top-left corner at the design position, kept inside the
// work area of the monitor that position is on. A 1366 x 768 screen cannot
// show the whole window there.
RECT FirstWindowRect(DWORD style, DWORD extendedStyle, int dpi);

// Hands a message taken from the thread's queue to where it goes. Tab,
// Shift+Tab, Enter and Esc go through the dialog manager, as in a dialog
// box; a held Return presses a button once.
void DeliverMessage(HWND window, MSG& message);

// Runs the window's event loop until the window is closed, each message
// delivered by DeliverMessage.
int RunEventLoop(HWND window);

}  // namespace tolbrek
