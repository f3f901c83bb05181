#pragma once

#include <windows.h>

#include <memory>

#include "file_service.h"

namespace tolbrek {

// The system calls whose failure stops a save, made through this table so
// that tests can make each of them fail in turn: kernel32 exports them, out
// of reach of any wrapping at link time.
struct FileCalls {
    decltype(&GetFileAttributesW) getFileAttributes = &GetFileAttributesW;
    decltype(&CreateFileW) createFile = &CreateFileW;
    decltype(&WriteFile) writeFile = &WriteFile;
    decltype(&FlushFileBuffers) flushFileBuffers = &FlushFileBuffers;
    decltype(&SetFileAttributesW) setFileAttributes = &SetFileAttributesW;
    decltype(&SetFileInformationByHandle) setFileInformationByHandle = &SetFileInformationByHandle;
};

// The Windows file service, making its calls through `calls`; the standard
// one (MakeStandardFileService) makes the system's own.
std::unique_ptr<FileService> MakeWindowsFileService(const FileCalls& calls);

}  // namespace tolbrek
