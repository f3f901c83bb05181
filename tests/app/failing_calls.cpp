#include "failing_calls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <optional>
#include <utility>

namespace {

std::optional<SystemCall> g_failing;
int g_error = 0;
std::function<void()> g_afterCreate;

bool Fails(SystemCall call)
{
    if (g_failing != call) return false;
    errno = g_error;
    return true;
}

}  // namespace

FailingCall::FailingCall(SystemCall call, int error)
{
    g_failing = call;
    g_error = error;
}

FailingCall::~FailingCall()
{
    g_failing.reset();
}

void AfterNextCreate(std::function<void()> competitor)
{
    g_afterCreate = std::move(competitor);
}

// --wrap=openat sends the program's calls of openat to __wrap_openat, and
// __real_openat reaches the system's.
extern "C" {

int __real_openat(int folder, const char* name, int flags, ...);
ssize_t __real_write(int file, const void* bytes, size_t count);
int __real_fsync(int file);
int __real_fchmod(int file, mode_t mode);
int __real_close(int file);
int __real_renameat(int fromFolder, const char* from, int toFolder, const char* to);

int __wrap_openat(int folder, const char* name, int flags, ...)
{
    const bool creates = (flags & O_CREAT) != 0;
    mode_t mode = 0;
    if (creates || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list arguments;
        va_start(arguments, flags);
        mode = va_arg(arguments, mode_t);
        va_end(arguments);
    }
    if (creates && Fails(SystemCall::Create)) return -1;
    const int file = __real_openat(folder, name, flags, mode);
    if (creates && file >= 0 && g_afterCreate) std::exchange(g_afterCreate, {})();
    return file;
}

ssize_t __wrap_write(int file, const void* bytes, size_t count)
{
    return Fails(SystemCall::Write) ? -1 : __real_write(file, bytes, count);
}

int __wrap_fsync(int file)
{
    return Fails(SystemCall::Fsync) ? -1 : __real_fsync(file);
}

int __wrap_fchmod(int file, mode_t mode)
{
    return Fails(SystemCall::Fchmod) ? -1 : __real_fchmod(file, mode);
}

int __wrap_close(int file)
{
    const int result = __real_close(file);
    return Fails(SystemCall::Close) ? -1 : result;
}

int __wrap_renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    return Fails(SystemCall::Rename) ? -1 : __real_renameat(fromFolder, from, toFolder, to);
}

}  // extern "C"
