#pragma once

#include <windows.h>

#include "window_view.h"

namespace tolbrek {

// The commands' view of the Win32 window: its edit controls and list box,
// reached by their ids, and the system's message boxes over the window.
// UTF-8 here, UTF-16 at every Windows call.
class Win32View final : public WindowView {
public:
    explicit Win32View(HWND window) : m_window(window) {}

    std::string text(LoadField field) const override;
    void setText(LoadField field, const std::string& text) override;
    void appendLine(const std::string& line) override;
    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    void showMessage(const std::string& text) override;
    void reportError(const Failure& failure) override;
    void showLateFailure(const Failure& failure) override;
    std::string decimalSeparator() const override;

private:
    HWND control(LoadField field) const;
    HWND list() const;
    void showBox(const std::string& text, UINT icon) const;

    HWND m_window;
};

}  // namespace tolbrek
