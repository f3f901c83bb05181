#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <random>
#include <utility>

#include "failure.h"
#include "file_service.h"
#include "narrow_text.h"
#include "system_failure.h"

namespace tolbrek {

namespace {

// Lines are gathered and written in pieces of this size.
constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr mode_t kPermissionBits = 0777;

[[noreturn]] void Fail(int error, const std::string& what)
{
    ThrowSystemFailure(std::error_code(error, std::generic_category()), what);
}

[[noreturn]] void RefuseNonFile(const std::string& path, const char* what)
{
    Failure failure = MakeFailure(FailureKind::NotAFile);
    failure.description += ": " + path + " is " + what + "; it was left as it is";
    throw FailureError(failure);
}

// A name beside the report that no other save can take (it is created
// exclusively) and that nobody takes for the report: hidden, and ending in
// .tmp. One left behind by a killed save is never touched again.
std::string TemporaryNameBeside(const std::string& path)
{
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device()()};
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(0, nameStart) + "." + path.substr(nameStart) + ".";
    for (int i = 0; i < 8; ++i) name += kLetters[letter(random)];
    return name + ".tmp";
}

// The new report, written into its temporary file and put in the report's
// place only once it is complete: until then the old report stays as it
// was, and a stream given up removes its temporary file.
class ReplacingTextStream final : public TextStream {
public:
    ReplacingTextStream(int descriptor, std::string temporary, std::string path,
                        std::optional<mode_t> keptMode)
        : m_descriptor(descriptor),
          m_temporary(std::move(temporary)),
          m_path(std::move(path)),
          m_keptMode(keptMode)
    {
    }
    ~ReplacingTextStream() override
    {
        if (m_descriptor >= 0) ::close(m_descriptor);
        if (!m_replaced) unlink(m_temporary.c_str());
    }
    ReplacingTextStream(const ReplacingTextStream&) = delete;
    ReplacingTextStream& operator=(const ReplacingTextStream&) = delete;

    void writeLine(std::string_view text) override
    {
        m_pending += NarrowText(text);
        m_pending += "\r\n";
        if (m_pending.size() >= kChunkBytes) writePending();
    }

    void close() override
    {
        writePending();
        if (m_keptMode && fchmod(m_descriptor, *m_keptMode) != 0) {
            Fail(errno, "could not keep the permissions of " + m_path);
        }
        if (fsync(m_descriptor) != 0) Fail(errno, "could not complete " + m_path);
        if (::close(std::exchange(m_descriptor, -1)) != 0) {
            Fail(errno, "could not complete " + m_path);
        }
        if (rename(m_temporary.c_str(), m_path.c_str()) != 0) {
            Fail(errno, "could not replace " + m_path);
        }
        m_replaced = true;
    }

private:
    void writePending()
    {
        std::string_view rest = m_pending;
        while (!rest.empty()) {
            const ssize_t written = write(m_descriptor, rest.data(), rest.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) Fail(errno, "could not write " + m_path);
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
        m_pending.clear();
    }

    int m_descriptor;
    std::string m_temporary;
    std::string m_path;
    std::optional<mode_t> m_keptMode;
    std::string m_pending;
    bool m_replaced = false;
};

// Replaces the report through a temporary file and a rename. What stands at
// the report's name is judged without opening it: a folder, a named pipe, a
// socket or a device is refused; a symbolic link, live or dangling, is
// replaced as a link, and its target is never opened or written.
class PosixFileService final : public FileService {
public:
    std::unique_ptr<TextStream> replaceTextFile(const std::string& path) override
    {
        std::optional<mode_t> keptMode;
        struct stat standing {};
        if (lstat(path.c_str(), &standing) == 0) {
            keptMode = judge(path, standing);
        } else if (errno != ENOENT) {
            Fail(errno, "could not look at " + path);
        }
        // A new report gets the default mode (the umask applies); one that
        // replaces a file is private until it takes that file's permissions.
        const mode_t creationMode = keptMode ? 0600 : 0666;
        for (int attempt = 0;; ++attempt) {
            std::string temporary = TemporaryNameBeside(path);
            const int descriptor =
                open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                     creationMode);
            if (descriptor >= 0) {
                return std::make_unique<ReplacingTextStream>(descriptor, std::move(temporary), path,
                                                             keptMode);
            }
            if (errno != EEXIST || attempt == 100) Fail(errno, "could not create " + path);
        }
    }

private:
    // The permissions to keep for what stands at the report's name, or none
    // for a link; anything that is no file is refused.
    static std::optional<mode_t> judge(const std::string& path, const struct stat& standing)
    {
        if (S_ISLNK(standing.st_mode)) return std::nullopt;
        if (S_ISDIR(standing.st_mode)) Fail(EISDIR, path + " is a folder and was left as it is");
        if (S_ISFIFO(standing.st_mode)) RefuseNonFile(path, "a named pipe");
        if (S_ISSOCK(standing.st_mode)) RefuseNonFile(path, "a socket");
        if (!S_ISREG(standing.st_mode)) RefuseNonFile(path, "a device");
        // The system would let an administrator replace a read-only file;
        // the user's mark is honoured all the same.
        if ((standing.st_mode & 0222) == 0) {
            Fail(EACCES, path + " is read-only and was left as it is");
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
