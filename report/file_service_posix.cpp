#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <optional>
#include <utility>

#include "descriptor_posix.h"
#include "errno_failure.h"
#include "file_service.h"
#include "temporary_file_posix.h"

namespace tolbrek {

namespace {

constexpr mode_t kPermissionBits = 0777;

[[noreturn]] void RefuseNonFile(const std::string& path, const char* what)
{
    Failure failure = MakeFailure(FileFailure::NotAFile);
    failure.description += ": " + path + " is " + what + "; it was left as it is";
    throw FailureError(failure);
}

// The report's folder, open, and the report's name in it. Every call works
// relative to the folder, so a report path the system takes is enough,
// however much longer the temporary file's full path would be.
struct ReportPlace {
    Descriptor folder;
    std::string name;
};

ReportPlace OpenFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    // O_PATH: a folder that lets its user create files need not let them
    // list it.
    Descriptor descriptor(openat(AT_FDCWD, folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!descriptor) ThrowErrnoFailure(errno, "could not open the folder of " + path);
    return {std::move(descriptor), path.substr(slash + 1)};
}

// The new report, written into its temporary file and put in the report's
// place only once it is complete: until then the old report stays as it
// was, and a stream given up removes its temporary file.
class ReplacingByteStream final : public ByteStream {
public:
    ReplacingByteStream(ReportPlace place, TemporaryFile temporary, std::string path,
                        std::optional<mode_t> keptMode)
        : m_place(std::move(place)),
          m_temporary(std::move(temporary)),
          m_path(std::move(path)),
          m_keptMode(keptMode)
    {
    }
    ~ReplacingByteStream() override
    {
        // Removed while still locked, so that no other save's clean-up
        // takes it for abandoned meanwhile.
        if (!m_replaced) unlinkat(m_place.folder.get(), m_temporary.name.c_str(), 0);
    }
    ReplacingByteStream(const ReplacingByteStream&) = delete;
    ReplacingByteStream& operator=(const ReplacingByteStream&) = delete;

    void write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(m_temporary.file.get(), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) ThrowErrnoFailure(errno, "could not write " + m_path);
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void close() override
    {
        if (m_keptMode && fchmod(m_temporary.file.get(), *m_keptMode) != 0) {
            ThrowErrnoFailure(errno, "could not keep the permissions of " + m_path);
        }
        if (fsync(m_temporary.file.get()) != 0)
            ThrowErrnoFailure(errno, "could not complete " + m_path);
        if (::close(m_temporary.file.release()) != 0) {
            ThrowErrnoFailure(errno, "could not complete " + m_path);
        }
        const int folder = m_place.folder.get();
        if (renameat(folder, m_temporary.name.c_str(), folder, m_place.name.c_str()) != 0) {
            ThrowErrnoFailure(errno, "could not replace " + m_path);
        }
        m_replaced = true;
    }

private:
    ReportPlace m_place;
    TemporaryFile m_temporary;
    std::string m_path;
    std::optional<mode_t> m_keptMode;
    bool m_replaced = false;
};

// Replaces the report through a temporary file and a rename. What stands at
// the report's name is judged without opening it: a folder, a named pipe, a
// socket or a device is refused; a symbolic link, live or dangling, is
// replaced as a link, and its target is never opened or written.
class PosixFileService final : public FileService {
public:
    // A write past the file-size limit (ulimit -f) raises SIGXFSZ, whose
    // default action ends the program and the list in its window with it.
    // Ignored, the write fails with EFBIG instead, and the save is reported
    // and undone like one on a full disk. It is settled here, beside the
    // program's only large writes, so that the program and the tests of
    // these writes behave alike; a handler installed by someone else is left
    // in place. An ignored signal stays ignored across exec, so the editor's
    // launcher gives its child the default back.
    PosixFileService()
    {
        struct sigaction current = {};
        if (sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            std::signal(SIGXFSZ, SIG_IGN);
        }
    }

    std::unique_ptr<ByteStream> replaceFile(const std::string& path) override
    {
        ReportPlace place = OpenFolderOf(path);
        std::optional<mode_t> keptMode;
        struct stat standing = {};
        if (fstatat(place.folder.get(), place.name.c_str(), &standing, AT_SYMLINK_NOFOLLOW) == 0) {
            keptMode = judge(path, standing);
        } else if (errno != ENOENT) {
            ThrowErrnoFailure(errno, "could not look at " + path);
        }
        // A new report gets the default mode (the umask applies); one that
        // replaces a file is private until it takes that file's permissions.
        const mode_t creationMode = keptMode ? 0600 : 0666;
        // Killed saves' temporary files would pile up beside the report.
        RemoveAbandonedTemporaryFiles(place.folder.get(), place.name);
        TemporaryFile temporary =
            CreateTemporaryFile(place.folder.get(), place.name, creationMode, path);
        return std::make_unique<ReplacingByteStream>(std::move(place), std::move(temporary), path,
                                                     keptMode);
    }

private:
    // The permissions to keep for what stands at the report's name, or none
    // for a link; anything that is no file is refused.
    static std::optional<mode_t> judge(const std::string& path, const struct stat& standing)
    {
        if (S_ISLNK(standing.st_mode)) return std::nullopt;
        if (S_ISDIR(standing.st_mode))
            ThrowErrnoFailure(EISDIR, path + " is a folder and was left as it is");
        if (S_ISFIFO(standing.st_mode)) RefuseNonFile(path, "a named pipe");
        if (S_ISSOCK(standing.st_mode)) RefuseNonFile(path, "a socket");
        if (!S_ISREG(standing.st_mode)) RefuseNonFile(path, "a device");
        // The system would let an administrator replace a read-only file;
        // the user's mark is honoured all the same.
        if ((standing.st_mode & 0222) == 0) {
            ThrowErrnoFailure(EACCES, path + " is read-only and was left as it is");
        }
        return standing.st_mode & kPermissionBits;
    }
};

}  // namespace

std::unique_ptr<FileService> MakeStandardFileService()
{
    return std::make_unique<PosixFileService>();
}

}  // namespace tolbrek
