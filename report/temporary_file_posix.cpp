#include "temporary_file_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <random>

#include "errno_failure.h"
#include "temporary_name.h"

namespace tolbrek {

namespace {

// New names tried before creating gives up: all of them taken means
// something other than chance is at work.
constexpr int kAttempts = 100;

// A name no other save is likely to take.
std::string NewTemporaryName(std::string_view reportName)
{
    thread_local std::mt19937 random{std::random_device()()};
    return TemporaryName(reportName, static_cast<std::uint32_t>(random()));
}

enum class LockOutcome { Taken, HeldElsewhere, Unsupported };

// A lock on the whole file, taken without waiting. It belongs to the open
// file, not to the process (an open file description lock), so two saves in
// one process exclude each other as well, and it goes when the file's last
// descriptor closes, however the process ends.
LockOutcome LockWholeFile(int file, short type)
{
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    if (fcntl(file, F_OFD_SETLK, &lock) == 0) return LockOutcome::Taken;
    return errno == EAGAIN || errno == EACCES ? LockOutcome::HeldElsewhere
                                              : LockOutcome::Unsupported;
}

bool StillNamed(int folder, const char* name, int file)
{
    struct stat named = {};
    struct stat opened = {};
    return fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && fstat(file, &opened) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// Only a plain file is opened: opening a device or a pipe can do things of
// its own. The file is removed only while this clean-up holds its lock, and
// only if the name still leads to it.
void RemoveIfAbandoned(int folder, const char* name)
{
    struct stat seen = {};
    if (fstatat(folder, name, &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode)) return;
    const Descriptor file(
        openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file && LockWholeFile(file.get(), F_RDLCK) == LockOutcome::Taken &&
        StillNamed(folder, name, file.get())) {
        unlinkat(folder, name, 0);
    }
}

}  // namespace

TemporaryFile CreateTemporaryFile(int folder, const std::string& reportName, mode_t mode,
                                  const std::string& reportPath)
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string name = NewTemporaryName(reportName);
        Descriptor file(openat(folder, name.c_str(),
                               O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!file && errno == EEXIST) continue;
        if (!file) ThrowErrnoFailure(errno, "could not create " + reportPath);
        // Until it is locked the new file looks abandoned. A clean-up that
        // took it meanwhile holds it or has removed it: the file is left to
        // that clean-up and a new name is tried. Where the file system has
        // no such locks, clean-ups leave every file alone.
        if (LockWholeFile(file.get(), F_WRLCK) == LockOutcome::HeldElsewhere ||
            !StillNamed(folder, name.c_str(), file.get())) {
            continue;
        }
        Descriptor lock(fcntl(file.get(), F_DUPFD_CLOEXEC, 0));
        if (!lock) {
            const int error = errno;
            unlinkat(folder, name.c_str(), 0);
            ThrowErrnoFailure(error, "could not create " + reportPath);
        }
        return {std::move(name), std::move(file), std::move(lock)};
    }
    ThrowErrnoFailure(EEXIST, "could not create " + reportPath);
}

void RemoveAbandonedTemporaryFiles(int folder, std::string_view reportName) noexcept
{
    Descriptor listed(openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* entries = listed ? fdopendir(listed.get()) : nullptr;
    if (!entries) return;
    listed.release();  // closedir closes it
    while (const dirent* entry = readdir(entries)) {
        if (IsTemporaryName(entry->d_name, reportName)) RemoveIfAbandoned(folder, entry->d_name);
    }
    closedir(entries);
}

}  // namespace tolbrek
