#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "errno_failure.h"
#include "xdg_open_launcher_posix.h"

extern char** environ;

namespace tolbrek {

namespace {

// The first xdg-open on PATH that may be run. Empty PATH entries are skipped
// rather than taken for the current folder.
std::string FindOnPath(std::string_view program)
{
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const std::size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view() : folders.substr(colon + 1);
        if (folder.empty()) continue;
        std::string candidate = std::string(folder) + "/" + std::string(program);
        struct stat info = {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// Spawn attributes and file actions, released however the start ends.
struct SpawnSetup {
    SpawnSetup()
    {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

// The desktop's own choice of editor for a text file. xdg-open is started
// directly, never through a shell, in a session of its own so that it
// outlives the program, with nothing to read on its input.
class XdgOpenLauncher final : public EditorLauncher {
public:
    explicit XdgOpenLauncher(ChildWatch& children) : m_children(children) {}

    void open(const std::string& path, ProgramEnded ended) override
    {
        const std::string program = FindOnPath("xdg-open");
        if (program.empty()) {
            ThrowErrnoFailure(ENOENT, "xdg-open was not found on PATH to open " + path);
        }
        SpawnSetup setup;
        sigset_t noSignals;
        sigemptyset(&noSignals);
        posix_spawnattr_setsigmask(&setup.attributes, &noSignals);
        // The file service has this program ignore SIGXFSZ, and an ignored
        // signal would stay ignored in the editor.
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGXFSZ);
        posix_spawnattr_setsigdefault(&setup.attributes, &defaults);
        posix_spawnattr_setflags(
            &setup.attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        char* const arguments[] = {const_cast<char*>(program.c_str()),
                                   const_cast<char*>(path.c_str()), nullptr};
        pid_t child = 0;
        // posix_spawn runs the program itself: a file that is no program
        // (a script without its #! line) is an error, not a shell script.
        const int error = posix_spawn(&child, program.c_str(), &setup.actions, &setup.attributes,
                                      arguments, environ);
        if (error != 0) {
            Failure failure = MakeFailure(EditorFailure::NotStarted);
            failure.description += " on " + path + ": " + std::generic_category().message(error) +
                                   " (" + program + ")";
            throw FailureError(failure);
        }
        m_children.watch(child, std::move(ended));
    }

private:
    ChildWatch& m_children;
};

}  // namespace

std::unique_ptr<EditorLauncher> MakeXdgOpenLauncher(ChildWatch& children)
{
    return std::make_unique<XdgOpenLauncher>(children);
}

}  // namespace tolbrek
