#include <windows.h>

#include <system_error>

#include "editor_launcher.h"
#include "system_failure.h"
#include "wide_text_windows.h"

namespace tolbrek {

namespace {

// Notepad on the report file, minimized with the focus, not waited for and
// not watched: how Notepad ends says nothing about the saved report. The
// command line is the editor's name, one blank and the path, unquoted.
class NotepadLauncher final : public EditorLauncher {
public:
    void open(const std::string& path, ProgramEnded /*ended*/) override
    {
        std::wstring commandLine = L"notepad " + WideFromUtf8(path);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWMINIMIZED;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &process)) {
            const DWORD error = GetLastError();
            ThrowSystemFailure(std::error_code(static_cast<int>(error), std::system_category()),
                               "could not start notepad on " + path);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

}  // namespace

std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher(ChildWatch& /*children*/)
{
    return std::make_unique<NotepadLauncher>();
}

}  // namespace tolbrek
