#pragma once

#include <unistd.h>

#include <utility>

namespace tolbrek {

// An open file descriptor, closed when its holder goes; -1 holds none.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor) : m_descriptor(descriptor) {}
    ~Descriptor()
    {
        if (m_descriptor >= 0) ::close(m_descriptor);
    }
    Descriptor(Descriptor&& other) noexcept : m_descriptor(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept
    {
        Descriptor(std::move(other)).swap(*this);
        return *this;
    }

    explicit operator bool() const { return m_descriptor >= 0; }
    int get() const { return m_descriptor; }
    // Hands the descriptor over, for a close whose result counts.
    int release() { return std::exchange(m_descriptor, -1); }

private:
    void swap(Descriptor& other) noexcept { std::swap(m_descriptor, other.m_descriptor); }

    int m_descriptor = -1;
};

}  // namespace tolbrek
