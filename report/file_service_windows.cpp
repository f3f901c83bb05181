#define _CRT_RAND_S
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "file_service_windows.h"
#include "scoped.h"
#include "temporary_name.h"
#include "wide_text.h"
#include "windows_failure.h"

namespace tolbrek {

namespace {

// What one WriteFile is given at most: it counts bytes in a DWORD.
constexpr std::size_t kMostBytesPerCall = 1 << 30;
// A temporary name taken by someone else is tried again this many times.
constexpr int kNameTries = 16;

// The report's folder with its trailing separator, and its file name.
std::pair<std::wstring, std::wstring> SplitPath(const std::wstring& path)
{
    const std::size_t separator = path.find_last_of(L"\\/:");
    if (separator == std::wstring::npos) return {std::wstring(), path};
    return {path.substr(0, separator + 1), path.substr(separator + 1)};
}

// The path of a temporary file beside the report, unique to this save
// (TemporaryName).
std::wstring NewTemporaryPath(const std::wstring& folder, const std::string& reportName)
{
    unsigned int random = 0;
    if (rand_s(&random) != 0) random = GetTickCount() ^ GetCurrentProcessId();
    return folder + WideFromUtf8(TemporaryName(reportName, random));
}

// The path the system resolves an open file or folder to, links followed;
// empty where it cannot tell.
std::wstring FinalPath(HANDLE handle)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size =
            GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
        if (size == 0) return {};
        if (size < path.size()) {
            path.resize(size);
            return path;
        }
        path.resize(size);
    }
}

// Removes one name found beside the report if it is provably a temporary
// file that a killed save left there: what it opens is a plain file with
// one link, standing at that very name in the report's folder, not a link
// to a file elsewhere (wine shows a symbolic link to a file as the file
// itself, and deletes the link's target through its handle). It is judged
// and deleted through one handle, so nothing can be put in its place in
// between; the handle shares nothing, so a running save, which holds its
// file open, keeps it.
void RemoveIfAbandoned(const std::wstring& folder, const std::wstring& folderPath,
                       const std::wstring& name)
{
    const ScopedHandle file(CreateFileW((folder + name).c_str(), DELETE | FILE_READ_ATTRIBUTES, 0,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT,
                                        nullptr));
    if (!file) return;
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.get(), &information) ||
        (information.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
        information.nNumberOfLinks != 1) {
        return;
    }
    const std::wstring expected = folderPath + (folderPath.ends_with(L'\\') ? L"" : L"\\") + name;
    const std::wstring found = FinalPath(file.get());
    if (found.empty() ||
        CompareStringOrdinal(found.c_str(), static_cast<int>(found.size()), expected.c_str(),
                             static_cast<int>(expected.size()), TRUE) != CSTR_EQUAL) {
        return;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition);
}

// Removes the temporary files that saves killed before their end left
// beside the report, and nothing else (RemoveIfAbandoned). The search
// pattern may also match short names: each name found is checked whole.
void RemoveAbandonedTemporaryFiles(const std::wstring& folder, const std::string& reportName)
{
    const ScopedHandle folderHandle(
        CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const std::wstring folderPath = folderHandle ? FinalPath(folderHandle.get()) : std::wstring();
    if (folderPath.empty()) return;
    const std::wstring pattern = folder + WideFromUtf8(TemporaryNamePattern(reportName));
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            IsTemporaryName(Utf8FromWide(found.cFileName), reportName)) {
            RemoveIfAbandoned(folder, folderPath, found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The new report, written into a temporary file of its own beside the old
// one and renamed over it only once complete: until then the old report
// stays as it was, and a failure anywhere removes the temporary file. The
// file is held open, with no sharing, from its creation until it is the
// report, so that no other save takes it for abandoned: it is renamed
// through its own handle.
class WindowsByteStream final : public ByteStream {
public:
    WindowsByteStream(const FileCalls& calls, HANDLE file, std::wstring temporary,
                      std::wstring target, std::string path)
        : m_calls(calls),
          m_file(file),
          m_temporary(std::move(temporary)),
          m_target(std::move(target)),
          m_path(std::move(path))
    {
    }
    WindowsByteStream(const WindowsByteStream&) = delete;
    WindowsByteStream& operator=(const WindowsByteStream&) = delete;

    ~WindowsByteStream() override { abandon(); }

    void write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const DWORD size =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kMostBytesPerCall));
            DWORD written = 0;
            if (!m_calls.writeFile(m_file, bytes.data(), size, &written, nullptr)) {
                fail("could not write " + m_path);
            }
            if (written == 0) fail("could not write " + m_path);
            bytes.remove_prefix(written);
        }
    }

    void close() override
    {
        if (!m_calls.flushFileBuffers(m_file)) fail("could not complete " + m_path);
        // A rename keeps the file's attributes, and the report must not be
        // hidden: it gets those of a new file.
        if (!m_calls.setFileAttributes(m_temporary.c_str(), FILE_ATTRIBUTE_ARCHIVE)) {
            fail("could not complete " + m_path);
        }
        if (!renameIntoPlace()) fail("could not put the new report in place of " + m_path);
        m_temporary.clear();
        // The report is complete on disk: closing it can lose nothing.
        CloseHandle(std::exchange(m_file, INVALID_HANDLE_VALUE));
    }

private:
    // Another save renaming its report in place at the same moment, or a
    // scanner that has the report open for a moment, makes the rename fail
    // with a denied access or a sharing violation that passes: it is tried
    // again a few times before it counts as a failure.
    bool renameIntoPlace() const
    {
        // FILE_RENAME_INFO with the report's full path in place of its last member.
        const std::size_t nameBytes = m_target.size() * sizeof(wchar_t);
        std::vector<std::byte> buffer(offsetof(FILE_RENAME_INFO, FileName) + nameBytes +
                                      sizeof(wchar_t));
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = TRUE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = static_cast<DWORD>(nameBytes);
        std::copy_n(m_target.c_str(), m_target.size() + 1, rename->FileName);
        constexpr int kAttempts = 50;
        for (int attempt = 1;; ++attempt) {
            if (m_calls.setFileInformationByHandle(m_file, FileRenameInfo, rename,
                                                   static_cast<DWORD>(buffer.size()))) {
                return true;
            }
            const DWORD error = GetLastError();
            const bool passing = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION;
            if (!passing || attempt == kAttempts) return false;
            Sleep(10);
        }
    }

    // Removes the temporary file, keeping the system's error for the report.
    [[noreturn]] void fail(const std::string& what)
    {
        const Failure failure = LastErrorFailure(what);
        abandon();
        throw FailureError(failure);
    }

    void abandon() noexcept
    {
        if (m_file != INVALID_HANDLE_VALUE)
            CloseHandle(std::exchange(m_file, INVALID_HANDLE_VALUE));
        if (!m_temporary.empty()) DeleteFileW(m_temporary.c_str());
        m_temporary.clear();
    }

    FileCalls m_calls;
    HANDLE m_file;
    std::wstring m_temporary;
    std::wstring m_target;
    std::string m_path;
};

// Replaces the report on the system's own file calls. What stands at the
// report's name is judged before anything is written: a folder and a file
// with the read-only attribute are refused and stay as they are.
class WindowsFileService final : public FileService {
public:
    explicit WindowsFileService(const FileCalls& calls) : m_calls(calls) {}

    std::unique_ptr<ByteStream> replaceFile(const std::string& path) override
    {
        const std::wstring target = WideFromUtf8(path);
        refuseWhatMayNotBeReplaced(target, path);
        const auto [folder, name] = SplitPath(target);
        const std::string reportName = Utf8FromWide(name);
        RemoveAbandonedTemporaryFiles(folder, reportName);
        for (int attempt = 0; attempt < kNameTries; ++attempt) {
            std::wstring temporary = NewTemporaryPath(folder, reportName);
            // DELETE: the file is renamed through this handle. No sharing at
            // all, FILE_SHARE_DELETE least of all: see WindowsByteStream.
            const HANDLE file =
                m_calls.createFile(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                   CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                return std::make_unique<WindowsByteStream>(m_calls, file, std::move(temporary),
                                                           target, path);
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
    void refuseWhatMayNotBeReplaced(const std::wstring& target, const std::string& path) const
    {
        const DWORD attributes = m_calls.getFileAttributes(target.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            // Nothing stands there; a missing folder is told when the new
            // file cannot be created in it.
            if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return;
            ThrowWindowsFailure(error, "could not look at " + path + "; nothing was written");
        }
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            ThrowWindowsFailure(ERROR_ACCESS_DENIED,
                                path + " is a folder, not a file; nothing was written");
        }
        // An administrator could replace it all the same; the mark is honoured.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            ThrowWindowsFailure(ERROR_ACCESS_DENIED, path + " is read-only and was left as it is");
        }
    }

    FileCalls m_calls;
};

}  // namespace

std::unique_ptr<FileService> MakeWindowsFileService(const FileCalls& calls)
{
    return std::make_unique<WindowsFileService>(calls);
}

std::unique_ptr<FileService> MakeStandardFileService()
{
    return MakeWindowsFileService(FileCalls{});
}

}  // namespace tolbrek
