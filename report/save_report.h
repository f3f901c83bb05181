#pragma once

#include <functional>
#include <string>

#include "file_service.h"
#include "load_list.h"

namespace tolbrek {

// Writes every line of the list, in order, as the report file at the path,
// replacing the file that stands there. Where the path's folder refuses new
// files (FolderRefusedError) and `fallbackPath` is given, the report is
// written at the path it names instead. Returns where the report now stands.
// A failure is thrown as a FailureError and leaves the list as it was.
std::string WriteReport(const LoadList& list, FileService& files, const std::string& path,
                        const std::function<std::string()>& fallbackPath = {});

}  // namespace tolbrek
