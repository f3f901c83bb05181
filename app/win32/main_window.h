#pragma once

#include <windows.h>

#include <memory>

#include "colours.h"
#include "load_commands.h"

namespace tolbrek {

struct WindowState;

// The one window of Tolbrek on Windows: its 28 controls built from the
// window design (kWindowDesign), scaled to the screen's resolution or, where
// that does not fit the screen's work area, to the largest that fits, with
// the four buttons running the same commands as every other window.
//
// A classic Win32 window: one window procedure hands each message to a small
// On... function, and everything the window keeps lives in a WindowState
// reached through GWLP_USERDATA.
// Whether high contrast is on: SystemHighContrast in the program; a test
// answers it.
using HighContrastQuery = bool (*)();

class MainWindow {
public:
    // The services are the system's own in the program (SystemServices);
    // tests stand in for the files, the editor and the report location.
    MainWindow(HINSTANCE instance, CommandServices services,
               HighContrastQuery highContrast = &SystemHighContrast);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return m_window; }
    // The resolution the design is laid out at: the screen's own, less where
    // the window would not fit the screen's work area.
    int layoutDpi() const;

    // Shows the window at its first position, with the focus in txtBulwt.
    void show(int showCommand);

private:
    std::unique_ptr<WindowState> m_state;
    HWND m_window = nullptr;
};

// Hands a message taken from the thread's queue to where it goes. Tab,
// Shift+Tab, Enter and Esc go through the dialog manager, as in a dialog
// box; a held Return presses a button once.
void DeliverMessage(HWND window, MSG& message);

// Runs the window's event loop until the window is closed, each message
// delivered by DeliverMessage.
int RunEventLoop(HWND window);

}  // namespace tolbrek
