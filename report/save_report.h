#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "file_service.h"
#include "load_list.h"
#include "narrow_text.h"

namespace tolbrek {

// A line of the list that the report's encoding could not hold whole.
struct IncompleteLine {
    std::size_t index = 0;  // in the list, from 0
    std::string text;       // as the list holds it
};

// What a save wrote: where the report now stands, and the first line whose
// characters the report's encoding lacked in part, if there was one.
struct WrittenReport {
    std::string path;
    std::optional<IncompleteLine> firstIncompleteLine;
};

// Writes every line of the list, in order, as the report file at the path,
// replacing the file that stands there. Where the path's folder refuses new
// files (FolderRefusedError) and `fallbackPath` is given, the report is
// written at the path it names instead. The lines are written in the
// encoding that `narrow` converts to. A failure is thrown as a FailureError
// and leaves the list as it was.
WrittenReport WriteReport(const LoadList& list, FileService& files, const std::string& path,
                          const std::function<std::string()>& fallbackPath = {},
                          Narrowing narrow = &NarrowText);

}  // namespace tolbrek
