#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tolbrek {

// A text file open for writing, one line at a time.
class TextStream {
public:
    virtual ~TextStream() = default;
    // Appends the text (UTF-8, written in the system's narrow encoding) and CR LF.
    virtual void WriteLine(std::string_view text) = 0;
    // Makes the file complete and closes it; fails if any byte did not land.
    virtual void Close() = 0;
};

// The few file operations that saving the report needs. Paths are UTF-8.
// Every failure is thrown as a FailureError that names the file.
class FileService {
public:
    virtual ~FileService() = default;
    // True when a file (not a folder) stands at the path.
    virtual bool FileExists(const std::string& path) = 0;
    // Without force a read-only file (one without any write permission) is
    // refused, whoever runs the program.
    virtual void DeleteFile(const std::string& path, bool force) = 0;
    // An empty file at the path, open for writing; `unicode` asks for UTF-16
    // instead of the narrow encoding.
    virtual std::unique_ptr<TextStream> CreateTextFile(const std::string& path, bool overwrite,
                                                       bool unicode) = 0;
};

// The file service of the standard library.
std::unique_ptr<FileService> MakeStandardFileService();

}  // namespace tolbrek
