#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "errno_failure.h"
#include "report_location.h"

namespace tolbrek {

namespace {

bool IsAbsolute(const char* path)
{
    return path && path[0] == '/';
}

}  // namespace

std::optional<std::string> HomeFolder(const char* homeVariable,
                                      const std::function<const char*()>& userDatabaseHome)
{
    if (IsAbsolute(homeVariable)) return homeVariable;
    if (const char* entry = userDatabaseHome(); IsAbsolute(entry)) return entry;
    return std::nullopt;
}

std::string ReportFilePath()
{
    const std::optional<std::string> home = HomeFolder(std::getenv("HOME"), [] {
        const passwd* user = getpwuid(getuid());
        return user ? user->pw_dir : nullptr;
    });
    if (!home) {
        ThrowErrnoFailure(ENOENT,
                          "no home folder was found to save Text.txt in; nothing was written");
    }
    return home->ends_with('/') ? *home + "Text.txt" : *home + "/Text.txt";
}

std::function<std::string()> FallbackReportFilePath()
{
    return {};
}

}  // namespace tolbrek
