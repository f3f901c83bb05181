#define _CRT_RAND_S
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>
#include <utility>

#include "file_service.h"
#include "narrow_text.h"
#include "system_failure.h"
#include "wide_text_windows.h"

namespace tolbrek {

namespace {

// Lines are gathered in memory and handed to the system in chunks of this
// size: one WriteFile per line would make a long list slow to save.
constexpr std::size_t kChunkBytes = 64 * 1024;
// A temporary name taken by someone else is tried again this many times.
constexpr int kNameTries = 16;

Failure WindowsFailure(DWORD error, const std::string& what)
{
    const std::error_code code(static_cast<int>(error), std::system_category());
    return {FailureKind::System, code.value(), code.message() + ": " + what};
}

[[noreturn]] void ThrowWindowsFailure(DWORD error, const std::string& what)
{
    throw FailureError(WindowsFailure(error, what));
}

// The report's folder with its trailing separator, and its file name.
std::pair<std::wstring, std::wstring> SplitPath(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/:");
    if (separator == std::wstring::npos) return {std::wstring(), path};
    return {path.substr(0, separator + 1), path.substr(separator + 1)};
}

// ".Text.txt.1a2b3c4d.tmp" beside the report: hidden from a casual look,
// never taken for the report itself, and unique to this save.
std::wstring TemporaryName(const std::wstring& folder, const std::wstring& name)
{
    unsigned int random = 0;
    if (rand_s(&random) != 0) random = GetTickCount() ^ GetCurrentProcessId();
    wchar_t digits[9] = {};
    for (int i = 7; i >= 0; --i, random >>= 4) digits[i] = L"0123456789abcdef"[random & 0xF];
    return folder + L"." + name + L"." + digits + L".tmp";
}

// The new report, written into a temporary file of its own beside the old
// one and moved over it only once complete: until then the old report stays
// as it was, and a failure anywhere removes the temporary file.
class WindowsTextStream final : public TextStream {
public:
    WindowsTextStream(HANDLE file, std::wstring temporary, std::wstring target, std::string path)
        : m_file(file),
          m_temporary(std::move(temporary)),
          m_target(std::move(target)),
          m_path(std::move(path))
    {
    }
    WindowsTextStream(const WindowsTextStream&) = delete;
    WindowsTextStream& operator=(const WindowsTextStream&) = delete;

    ~WindowsTextStream() override { abandon(); }

    void writeLine(std::string_view text) override
    {
        m_pending += NarrowText(text);
        m_pending += "\r\n";
        if (m_pending.size() >= kChunkBytes) writePending();
    }

    void close() override
    {
        writePending();
        if (!FlushFileBuffers(m_file)) fail("could not complete " + m_path);
        const HANDLE file = std::exchange(m_file, INVALID_HANDLE_VALUE);
        if (!CloseHandle(file)) fail("could not complete " + m_path);
        if (!moveIntoPlace()) fail("could not put the new report in place of " + m_path);
        m_temporary.clear();
    }

private:
    // Another save moving its report in place at the same moment, or a
    // scanner that has the new file open for a moment, makes the move fail
    // with a denied access or a sharing violation that passes: it is tried
    // again a few times before it counts as a failure.
    bool moveIntoPlace() const
    {
        constexpr int kAttempts = 50;
        for (int attempt = 1;; ++attempt) {
            if (MoveFileExW(m_temporary.c_str(), m_target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                return true;
            }
            const DWORD error = GetLastError();
            const bool passing = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
            if (!passing || attempt == kAttempts) return false;
            Sleep(10);
        }
    }

    void writePending()
    {
        std::size_t done = 0;
        while (done < m_pending.size()) {
            const DWORD size = static_cast<DWORD>(
                std::min<std::size_t>(m_pending.size() - done, kChunkBytes * 16));
            DWORD written = 0;
            if (!WriteFile(m_file, m_pending.data() + done, size, &written, nullptr)) {
                fail("could not write " + m_path);
            }
            if (written == 0) fail("could not write " + m_path);
            done += written;
        }
        m_pending.clear();
    }

    // Removes the temporary file, keeping the system's error for the report.
    [[noreturn]] void fail(const std::string& what)
    {
        const DWORD error = GetLastError();
        abandon();
        ThrowWindowsFailure(error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error, what);
    }

    void abandon() noexcept
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(std::exchange(m_file, INVALID_HANDLE_VALUE));
        if (!m_temporary.empty()) DeleteFileW(m_temporary.c_str());
        m_temporary.clear();
    }

    HANDLE m_file;
    std::wstring m_temporary;
    std::wstring m_target;
    std::string m_path;
    std::string m_pending;
};

// Replaces the report on the system's own file calls. What stands at the
// report's name is judged before anything is written: a folder and a file
// with the read-only attribute are refused and stay as they are.
class WindowsFileService final : public FileService {
public:
    std::unique_ptr<TextStream> replaceTextFile(const std::string& path) override
    {
        const std::wstring target = WideFromUtf8(path);
        refuseWhatMayNotBeReplaced(target, path);
        const auto [folder, name] = SplitPath(target);
        for (int attempt = 0; attempt < kNameTries; ++attempt) {
            std::wstring temporary = TemporaryName(folder, name);
            const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                return std::make_unique<WindowsTextStream>(file, std::move(temporary), target,
                                                           path);
            }
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS) continue;
            const std::string what = "could not create " + path;
            // The folder itself refuses new files (as the root of C: does for
            // a standard user): another folder may take the report.
            if (error == ERROR_ACCESS_DENIED) throw FolderRefusedError(WindowsFailure(error, what));
            ThrowWindowsFailure(error, what);
        }
        ThrowWindowsFailure(ERROR_FILE_EXISTS, "could not create " + path);
    }

private:
    static void refuseWhatMayNotBeReplaced(const std::wstring& target, const std::string& path)
    {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return;  // nothing there, or the folder fails
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            ThrowWindowsFailure(ERROR_ACCESS_DENIED,
                                path + " is a folder, not a file; nothing was written");
        }
        // An administrator could replace it all the same; the mark is honoured.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            ThrowWindowsFailure(ERROR_ACCESS_DENIED, path + " is read-only and was left as it is");
        }
    }
};

}  // namespace

std::unique_ptr<FileService> MakeStandardFileService()
{
    return std::make_unique<WindowsFileService>();
}

}  // namespace tolbrek
