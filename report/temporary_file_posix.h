#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

#include "descriptor_posix.h"

namespace tolbrek {

// The hidden file a save writes the new report into, beside the report,
// under a name from TemporaryName (temporary_name.h). While its save runs
// the file is locked, which tells it from a file left behind by a killed
// save: the system drops a dead process's locks.
struct TemporaryFile {
    std::string name;
    // Open for writing. Closing it to learn whether every byte landed frees
    // the file for other saves' clean-up unless `lock` still holds it.
    Descriptor file;
    Descriptor lock;
};

// Creates a temporary file for the report named `reportName` in the folder,
// with the mode (the umask applies), and locks it. A failure is thrown as a
// FailureError naming `reportPath`.
TemporaryFile CreateTemporaryFile(int folder, const std::string& reportName, mode_t mode,
                                  const std::string& reportPath);

// Removes from the folder the temporary files of the report that no running
// save holds. Whatever goes wrong leaves a file where it is: a later save
// tries again.
void RemoveAbandonedTemporaryFiles(int folder, std::string_view reportName) noexcept;

}  // namespace tolbrek
