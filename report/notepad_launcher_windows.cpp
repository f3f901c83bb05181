#include <windows.h>

#include "notepad_launcher_windows.h"
#include "wide_text.h"
#include "windows_failure.h"

namespace tolbrek {

namespace {

// Notepad on the report file, minimized with the focus, not waited for and
// not watched: how Notepad ends says nothing about the saved report. The
// command line is the editor's name, one blank and the path, unquoted; the
// program itself is named apart from it.
class NotepadLauncher final : public EditorLauncher {
public:
    explicit NotepadLauncher(std::wstring program) : m_program(std::move(program)) {}

    void open(const std::string& path, ProgramEnded /*ended*/) override
    {
        std::wstring commandLine = L"notepad " + WideFromUtf8(path);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMINIMIZED;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(m_program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            ThrowLastError("could not start " + Utf8FromWide(m_program) + " on " + path);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

private:
    std::wstring m_program;
};

// Notepad in the system folder. Should the folder be unknown, the path is
// empty and starting Notepad fails with the system's own error.
std::wstring SystemNotepad()
{
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(folder, length) + L"\\notepad.exe";
}

}  // namespace

std::unique_ptr<EditorLauncher> MakeNotepadLauncher(std::wstring program)
{
    return std::make_unique<NotepadLauncher>(std::move(program));
}

std::unique_ptr<EditorLauncher> MakeSystemNotepadLauncher()
{
    return MakeNotepadLauncher(SystemNotepad());
}

}  // namespace tolbrek
