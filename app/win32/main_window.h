#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "colours.h"
#include "controls.h"
#include "load_commands.h"
#include "painting.h"
#include "win32_view.h"
#include "window_design.h"

namespace tolbrek {

// Whether high contrast is on: SystemHighContrast in the program; a test
// answers it.
using HighContrastQuery = bool (*)();

// The one window of Tolbrek on Windows: its 28 controls built from the
// window design (kWindowDesign), laid out at the screen's resolution or,
// where that does not fit the screen's work area, at the largest that
// fits, with the four buttons running the same commands as every other
// window.
//
// One object is the window: the system is given it when the window is made
// and hands it back with the window's first message (WM_NCCREATE), after
// which every message goes to a small on... member of it. Its placement on
// the screen lives in window_placement.cpp.
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
    int layoutDpi() const { return m_dpi; }

    // Shows the window at its first position, with the focus where Tab
    // starts.
    void show(int showCommand);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool onCreate();
    void onCommand(int id, HWND control, UINT notification);
    HBRUSH onControlColour(HDC dc, HWND control);
    void onDrawItem(const DRAWITEMSTRUCT& item);
    void onActivate(UINT activation, bool minimized);
    void onSettingsChanged();

    // Where the window stands and at which resolution it is laid out
    // (window_placement.cpp).
    void onDpiChanged(int screenDpi, const RECT& suggested);
    void onWindowPosChanged();
    void onGetMinMaxInfo(MINMAXINFO& limits) const;
    void fitAt(int screenDpi, int left, int top);
    void fitWhereItStands();
    void layOutAt(int dpi);

    HWND control(std::size_t index) const { return GetDlgItem(m_window, kWindowDesign[index].id); }

    HWND m_window = nullptr;
    CommandServices m_services;  // handed to the commands once the window exists
    HighContrastQuery m_highContrast;
    std::optional<Win32View> m_view;
    std::optional<LoadCommands> m_commands;
    int m_dpi = USER_DEFAULT_SCREEN_DPI;
    HMONITOR m_monitor = nullptr;  // the screen the window was fitted to
    std::unique_ptr<DesignFonts> m_fonts;
    std::unique_ptr<WindowColours> m_colours;
    // What each control adds to its own procedure; the controls reach it
    // while they live.
    std::array<ControlHooks, kWindowDesign.size()> m_hooks;
    HWND m_focus = nullptr;  // the control that had the focus when the window was left
};

}  // namespace tolbrek
