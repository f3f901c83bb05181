#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tolbrek {

// Where Save Data writes the report (UTF-8 on Windows; the system's own
// bytes elsewhere): C:\Text.txt on Windows, and Text.txt in the user's home
// folder elsewhere. With no home folder to be found, a FailureError says so.
std::string ReportFilePath();

#ifndef _WIN32
// The home folder: HOME when it holds an absolute path, else the user's
// entry in the user database (asked only then), else none. Bytes are taken
// as they are, whatever their encoding.
std::optional<std::string> HomeFolder(const char* homeVariable,
                                      const std::function<const char*()>& userDatabaseHome);
#endif

}  // namespace tolbrek
