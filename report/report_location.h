#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tolbrek {

// Where Save Data writes the report (UTF-8 on Windows; the system's own
// bytes elsewhere): C:\Text.txt on Windows, and Text.txt in the user's home
// folder elsewhere. With no home folder to be found, a FailureError says so.
std::string ReportFilePath();

// Where the report goes when the folder of ReportFilePath does not let the
// user create files: Text.txt in the user's Documents folder on Windows,
// where a standard user may not create files in the root of C:. Empty on
// other systems: there the home folder is the user's own.
std::function<std::string()> FallbackReportFilePath();

#ifndef _WIN32
// The home folder: HOME when it holds an absolute path, else the user's
// entry in the user database (asked only then), else none. Bytes are taken
// as they are, whatever their encoding.
std::optional<std::string> HomeFolder(const char* homeVariable,
                                      const std::function<const char*()>& userDatabaseHome);
#endif

}  // namespace tolbrek
