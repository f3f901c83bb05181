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

    void WriteLine(std::string_view text) override
    {
        ClearSystemError();
        m_stream << NarrowText(text) << "\r\n";
        if (!m_stream) ThrowSystemFailure(LastSystemError(), "could not write " + m_path);
    }

    void Close() override
    {
        ClearSystemError();
        m_stream.close();
        if (!m_stream) ThrowSystemFailure(LastSystemError(), "could not complete " + m_path);
    }

private:
    std::ofstream m_stream;
    std::string m_path;
};

class StandardFileService final : public FileService {
public:
    bool FileExists(const std::string& path) override
    {
        std::error_code ignored;
        return fs::is_regular_file(PathFromUtf8(path), ignored);
    }

    void DeleteFile(const std::string& path, bool force) override
    {
        const fs::path file = PathFromUtf8(path);
        std::error_code code;
        const fs::file_status status = fs::status(file, code);
        if (code) ThrowSystemFailure(code, "could not delete " + path);
        // The system would let an administrator delete a read-only file; the
        // user's mark is honoured all the same.
        if (!force && (status.permissions() & kAnyWrite) == fs::perms::none) {
            ThrowSystemFailure(SystemError(std::errc::permission_denied),
                               path + " is read-only and was left as it is");
        }
        if (!fs::remove(file, code) || code) {
            ThrowSystemFailure(code ? code : SystemError(std::errc::no_such_file_or_directory),
                               "could not delete " + path);
        }
    }

    std::unique_ptr<TextStream> CreateTextFile(const std::string& path, bool overwrite,
                                               bool unicode) override
    {
        if (unicode) {
            ThrowSystemFailure(SystemError(std::errc::not_supported),
                               "UTF-16 text is not written, " + path + " was not created");
        }
        const fs::path file = PathFromUtf8(path);
        std::error_code ignored;
        if (!overwrite && fs::exists(file, ignored)) {
            ThrowSystemFailure(SystemError(std::errc::file_exists), "could not create " + path);
        }
        ClearSystemError();
        std::ofstream stream(file, std::ios::binary | std::ios::trunc);
        if (!stream) ThrowSystemFailure(LastSystemError(), "could not create " + path);
        return std::make_unique<StandardTextStream>(std::move(stream), path);
    }
};

}  // namespace

std::unique_ptr<FileService> MakeStandardFileService()
{
    return std::make_unique<StandardFileService>();
}

}  // namespace tolbrek
