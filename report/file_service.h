#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "failure.h"

namespace tolbrek {

// What stands at the report's name is no file (a named pipe, a socket, a
// device); the entry is its number. The system's own refusals are the
// system's errors.
enum class FileFailure {
    NotAFile = 1008,
};

inline Failure MakeFailure(FileFailure entry)
{
    return {FailureKind::Program, static_cast<int>(entry), "Not a file"};
}

// A file being written, its bytes as they are given. Released without
// close(), it is abandoned: the bytes written so far are not taken for a
// report.
class ByteStream {
public:
    virtual ~ByteStream() = default;
    // Appends every one of the bytes.
    virtual void write(std::string_view bytes) = 0;
    // Makes the file complete and closes it; fails if any byte did not land.
    virtual void close() = 0;
};

// What saving the report needs of the file system. Paths are UTF-8. Every
// failure is thrown as a FailureError that names the file.
class FileService {
public:
    virtual ~FileService() = default;
    // Starts replacing the file at the path with the bytes the stream is
    // given. A read-only file there (one without any write permission) is
    // refused, whoever runs the program, and stays exactly as it was.
    virtual std::unique_ptr<ByteStream> replaceFile(const std::string& path) = 0;
};

// Thrown by replaceFile when the report's folder does not let this user
// create a file in it at all, rather than the report file refusing to be
// replaced: another folder may take the report.
class FolderRefusedError final : public FailureError {
public:
    using FailureError::FailureError;
};

// The system's file service.
std::unique_ptr<FileService> MakeStandardFileService();

}  // namespace tolbrek
