#include <windows.h>

#include <shlobj.h>

#include <system_error>

#include "documents_report_windows.h"
#include "report_location.h"
#include "system_failure.h"
#include "wide_text_windows.h"

namespace tolbrek {

namespace {

template <typename Function>
Function Find(const wchar_t* library, const char* name)
{
    const HMODULE module = LoadLibraryW(library);
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

std::string ReportFilePath()
{
    return "C:\\Text.txt";
}

// The shell is loaded only when a save needs the Documents folder: linked
// in, it would take most of the program's start-up time.
std::string DocumentsReportFilePath()
{
    const auto knownFolderPath =
        Find<decltype(&SHGetKnownFolderPath)>(L"shell32.dll", "SHGetKnownFolderPath");
    const auto freeMemory = Find<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
    PWSTR folder = nullptr;
    const HRESULT result =
        knownFolderPath && freeMemory
            ? knownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &folder)
            : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    if (FAILED(result)) {
        if (freeMemory) freeMemory(folder);
        ThrowSystemFailure(std::error_code(HRESULT_CODE(result), std::system_category()),
                           "no Documents folder to save Text.txt in");
    }
    std::string path = Utf8FromWide(folder);
    freeMemory(folder);
    return path + "\\Text.txt";
}

std::function<std::string()> FallbackReportFilePath()
{
    return &DocumentsReportFilePath;
}

}  // namespace tolbrek
