#pragma once

#include <string>

namespace tolbrek {

// Windows only: Text.txt in the user's Documents folder (UTF-8), where the
// report goes when the root of C: does not let a standard user create files.
// A Documents folder that cannot be found is thrown as a FailureError.
std::string DocumentsReportFilePath();

}  // namespace tolbrek
