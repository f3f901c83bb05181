#pragma once

#include <windows.h>

#include <utility>

// Holders that give back what the system lends when they go, so that no
// early return forgets to: a handle, a device context, an object selected
// into one, a COM reference.
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

// A window's device context (the screen's for no window), released when it
// goes.
class ScopedDc {
public:
    explicit ScopedDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~ScopedDc()
    {
        if (m_dc) ReleaseDC(m_window, m_dc);
    }
    ScopedDc(const ScopedDc&) = delete;
    ScopedDc& operator=(const ScopedDc&) = delete;

    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// A font, brush or bitmap selected into a device context; the object it
// replaced is selected again when it goes.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~ScopedSelection() { SelectObject(m_dc, m_previous); }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// One counted reference to a COM object, released when it goes. Adopt()
// takes a reference that a call has already counted for the caller.
template <typename Interface>
class ComReference {
public:
    ComReference() = default;
    static ComReference Adopt(Interface* object)
    {
        ComReference reference;
        reference.m_object = object;
        return reference;
    }
    ~ComReference()
    {
        if (m_object) m_object->Release();
    }
    ComReference(ComReference&& other) noexcept : m_object(std::exchange(other.m_object, nullptr))
    {
    }
    ComReference& operator=(ComReference&& other) noexcept
    {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ComReference(const ComReference&) = delete;
    ComReference& operator=(const ComReference&) = delete;

    Interface* get() const { return m_object; }
    Interface* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    Interface* m_object = nullptr;
};

}  // namespace tolbrek
