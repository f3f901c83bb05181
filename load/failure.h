#pragma once

#include <stdexcept>
#include <string>

namespace tolbrek {

// What went wrong, in the program's own catalogue. `System` carries the
// operating system's own error number (errno, or the Windows error code).
enum class FailureKind {
    TypeMismatch,
    Overflow,
    DivisionByZero,
    InvalidOperation,
    OutOfMemory,
    EditorNotStarted,
    EditorFailed,
    NotAFile,
    System,
    Unexpected,
};

// An error as the user sees it: a kind, a number and a description.
struct Failure {
    FailureKind kind = FailureKind::Unexpected;
    int number = 0;
    std::string description;
};

// The catalogue entry of a kind; numbers start at 1001 so that they never
// collide with an operating-system error number.
Failure MakeFailure(FailureKind kind);

// The program's one exception type: a Failure thrown out of a command.
class FailureError : public std::runtime_error {
public:
    explicit FailureError(Failure failure);
    const Failure& failure() const noexcept { return m_failure; }

private:
    Failure m_failure;
};

}  // namespace tolbrek
