// Stands in for Notepad: writes down the command line it was started with,
// the window state it was asked for and where it was started from, to the
// file named by TOLBREK_NOTEPAD_RECORD, then ends. A later start, while
// that file stands, writes to the same name with ".2", ".3" and so on
// after it, so that the starts can be counted.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* wide)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace

int main()
{
    wchar_t recordPath[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TOLBREK_NOTEPAD_RECORD", recordPath, MAX_PATH) == 0) return 1;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::string record = Utf8(GetCommandLineW()) + "\n" +
                               ((startup.dwFlags & STARTF_USESHOWWINDOW) ? "1" : "0") + "\n" +
                               std::to_string(startup.wShowWindow) + "\n" + Utf8(program) + "\n";
    // Written under another name first, so the test never reads half a record.
    const std::wstring partial = std::wstring(recordPath) + L".partial";
    FILE* file = _wfopen(partial.c_str(), L"wb");
    if (!file) return 2;
    std::fwrite(record.data(), 1, record.size(), file);
    std::fclose(file);
    if (MoveFileW(partial.c_str(), recordPath)) return 0;
    for (int start = 2; start < 100; ++start) {
        const std::wstring again = std::wstring(recordPath) + L"." + std::to_wstring(start);
        if (MoveFileW(partial.c_str(), again.c_str())) return 0;
    }
    return 3;
}
