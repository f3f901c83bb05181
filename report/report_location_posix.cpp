#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "report_location.h"
#include "system_failure.h"

namespace tolbrek {

std::string ReportFilePath()
{
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable && *variable) {
        home = variable;
    } else if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) {
        home = user->pw_dir;
    } else {
        ThrowSystemFailure(SystemError(std::errc::no_such_file_or_directory),
                           "no home folder to save Text.txt in");
    }
    if (!home.ends_with('/')) home += '/';
    return home + "Text.txt";
}

}  // namespace tolbrek
