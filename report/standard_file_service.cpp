#include <filesystem>
#include <fstream>

#include "file_service.h"
#include "narrow_text.h"
#include "system_failure.h"

namespace tolbrek {

namespace {

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

constexpr fs::perms kAnyWrite =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

class StandardTextStream final : public TextStream {
public:
    StandardTextStream(std::ofstream stream, std::string path)
        : m_stream(std::move(stream)), m_path(std::move(path))
    {
    }

    void writeLine(std::string_view text) override
    {
        ClearSystemError();
        m_stream << NarrowText(text) << "\r\n";
        if (!m_stream) ThrowSystemFailure(LastSystemError(), "could not write " + m_path);
    }

    void close() override
    {
        ClearSystemError();
        m_stream.close();
        if (!m_stream) ThrowSystemFailure(LastSystemError(), "could not complete " + m_path);
    }

private:
    std::ofstream m_stream;
    std::string m_path;
};

// Replaces the report as it always has: an existing file is deleted (a
// read-only one is refused), then the new one is created and written.
class StandardFileService final : public FileService {
public:
    std::unique_ptr<TextStream> replaceTextFile(const std::string& path) override
    {
        const fs::path file = PathFromUtf8(path);
        std::error_code ignored;
        if (fs::is_regular_file(file, ignored)) remove(file, path);
        ClearSystemError();
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        if (!stream) ThrowSystemFailure(LastSystemError(), "could not create " + path);
        return std::make_unique<StandardTextStream>(std::move(stream), path);
    }

private:
    static void remove(const fs::path& file, const std::string& path)
    {
        std::error_code code;
        const fs::file_status status = fs::status(file, code);
        if (code) ThrowSystemFailure(code, "could not delete " + path);
        // The system would let an administrator delete a read-only file; the
        // user's mark is honoured all the same.
        if ((status.permissions() & kAnyWrite) == fs::perms::none) {
            ThrowSystemFailure(SystemError(std::errc::permission_denied),
                               path + " is read-only and was left as it is");
        }
        if (!fs::remove(file, code) || code) {
            ThrowSystemFailure(code ? code : SystemError(std::errc::no_such_file_or_directory),
                               "could not delete " + path);
        }
    }
};

}  // namespace

std::unique_ptr<FileService> MakeStandardFileService()
{
    return std::make_unique<StandardFileService>();
}

}  // namespace tolbrek
