#include <shlobj.h>
#include <windows.h>

#include <system_error>

#include "documents_report_windows.h"
#include "report_location.h"
#include "system_failure.h"
#include "wide_text_windows.h"

namespace tolbrek {

std::string ReportFilePath()
{
    return "C:\\Text.txt";
}

std::string DocumentsReportFilePath()
{
    PWSTR folder = nullptr;
    const HRESULT result =
        SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_DEFAULT, nullptr, &folder);
    if (FAILED(result)) {
        CoTaskMemFree(folder);
        ThrowSystemFailure(std::error_code(HRESULT_CODE(result), std::system_category()),
                           "no Documents folder to save Text.txt in");
    }
    std::string path = Utf8FromWide(folder);
    CoTaskMemFree(folder);
    return path + "\\Text.txt";
}

}  // namespace tolbrek
