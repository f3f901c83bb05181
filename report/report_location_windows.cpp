#include <windows.h>

#include <shlobj.h>

#include "documents_report_windows.h"
#include "procedure.h"
#include "report_location.h"
#include "wide_text.h"
#include "windows_failure.h"

namespace tolbrek {

std::string ReportFilePath()
{
    return "C:\\Text.txt";
}

// The shell is loaded only when a save needs the Documents folder: linked
// in, it would take most of the program's start-up time.
std::string DocumentsReportFilePath()
{
    const auto knownFolderPath = FindProcedure<decltype(&SHGetKnownFolderPath)>(
        LoadLibraryW(L"shell32.dll"), "SHGetKnownFolderPath");
    const auto freeMemory =
        FindProcedure<decltype(&CoTaskMemFree)>(LoadLibraryW(L"ole32.dll"), "CoTaskMemFree");
    PWSTR folder = nullptr;
    const HRESULT result =
        knownFolderPath && freeMemory
            ? knownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &folder)
            : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    if (FAILED(result)) {
        if (freeMemory) freeMemory(folder);
        ThrowWindowsFailure(static_cast<DWORD>(HRESULT_CODE(result)),
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
