#include "win32_view.h"

#include <utility>

#include "box_input_guard.h"
#include "command_guard.h"
#include "wide_text.h"
#include "window_design.h"
#include "window_text.h"
#include "windows_failure.h"

namespace tolbrek {

namespace {

// A window call that fails without an error can only have been given a
// window that is gone.
[[noreturn]] void ThrowWindowFailure(const std::string& what)
{
    ThrowLastError(what, ERROR_INVALID_WINDOW_HANDLE);
}

}  // namespace

HWND Win32View::control(LoadField field) const
{
    const HWND found = GetDlgItem(m_window, kWindowDesign[IndexOf(field)].id);
    if (!found) ThrowWindowFailure("no text box for the field");
    return found;
}

HWND Win32View::list() const
{
    const HWND found = GetDlgItem(m_window, kWindowDesign[ListIndex()].id);
    if (!found) ThrowWindowFailure("no load list");
    return found;
}

std::string Win32View::text(LoadField field) const
{
    return Utf8FromWide(WindowText(control(field)));
}

void Win32View::setText(LoadField field, const std::string& text)
{
    if (!SetWindowTextW(control(field), WideFromUtf8(text).c_str())) {
        ThrowWindowFailure("could not write a field");
    }
}

void Win32View::appendLine(const std::string& line)
{
    const LRESULT added =
        SendMessageW(list(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(line).c_str()));
    if (added == LB_ERR || added == LB_ERRSPACE)
        throw FailureError(MakeFailure(CommandFailure::OutOfMemory));
}

std::size_t Win32View::lineCount() const
{
    const LRESULT count = SendMessageW(list(), LB_GETCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<std::size_t>(count);
}

std::string Win32View::line(std::size_t index) const
{
    const WPARAM at = static_cast<WPARAM>(index);
    const LRESULT length = SendMessageW(list(), LB_GETTEXTLEN, at, 0);
    if (length == LB_ERR) throw std::out_of_range("no such line in the load list");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list(), LB_GETTEXT, at, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return Utf8FromWide(text);
}

// Every box of the window comes here: the warnings, the notices and the
// error box.
void Win32View::showBox(const std::string& text, UINT icon) const
{
    const BoxInputGuard guard(m_window);
    if (!MessageBoxW(m_window, WideFromUtf8(text).c_str(), L"Tolbrek", MB_OK | icon)) {
        ThrowWindowFailure("could not show a message");
    }
}

void Win32View::showMessage(const std::string& text)
{
    showBox(text, 0);
}

void Win32View::reportError(const Failure& failure)
{
    showBox(ErrorReportText(failure), MB_ICONWARNING);
}

// Notepad is let go once started, so Windows hears of no failure late;
// should a launcher report one, it is a box like any error.
void Win32View::showLateFailure(const Failure& failure)
{
    reportError(failure);
}

std::string Win32View::decimalSeparator() const
{
    wchar_t separator[8] = {};
    if (!GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8)) return ".";
    return Utf8FromWide(separator);
}

}  // namespace tolbrek
