#pragma once

#include <windows.h>

namespace tolbrek {

// Closes a kernel handle (a file's, a folder's) when it goes.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : m_handle(handle) {}
    ~ScopedHandle()
    {
        if (*this) CloseHandle(m_handle);
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE get() const { return m_handle; }
    explicit operator bool() const { return m_handle != INVALID_HANDLE_VALUE && m_handle; }

private:
    HANDLE m_handle;
};

}  // namespace tolbrek
