#pragma once

#include <string>

namespace tolbrek {

// Where Save Data writes the report (UTF-8): C:\Text.txt on Windows, and
// Text.txt in the user's home folder elsewhere. A home folder that cannot be
// found is thrown as a FailureError.
std::string ReportFilePath();

}  // namespace tolbrek
