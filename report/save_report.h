#pragma once

#include <string>

#include "file_service.h"
#include "load_list.h"

namespace tolbrek {

// Writes every line of the list, in order, as the report file at the path,
// replacing the file that stands there. A failure is thrown as a
// FailureError and leaves the list as it was.
void WriteReport(const LoadList& list, FileService& files, const std::string& path);

}  // namespace tolbrek
