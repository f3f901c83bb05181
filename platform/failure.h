#pragma once

#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace tolbrek {

// Whose number a failure carries.
enum class FailureKind {
    // One of the program's own failures: an entry of the catalogue beside the
    // code that reports it. A catalogue is an enumeration whose values are its
    // entries' numbers, all from one range that starts at 1001, above every
    // errno value, and never reuses a number: 1001 to 1004 the numbers'
    // (load/number_failure.h), 1005 and 1009 the command guard's
    // (app/command_guard.h), 1006 and 1007 the editor's
    // (report/editor_launcher.h), 1008 the file service's
    // (report/file_service.h).
    Program,
    // The operating system's own error: errno, or the Windows error code,
    // whose numbers do reach the program's.
    System,
};

// An error as the user sees it: a kind, a number and a description.
struct Failure {
    FailureKind kind = FailureKind::Program;
    int number = 0;
    std::string description;

    // Whether this is the given entry of one of the program's catalogues; a
    // system error of the same number is not.
    template <typename Entry>
        requires std::is_enum_v<Entry> && (!std::is_same_v<Entry, FailureKind>)
    bool is(Entry entry) const
    {
        return kind == FailureKind::Program && number == static_cast<int>(entry);
    }
};

// The program's one exception type: a Failure thrown out of a command.
class FailureError : public std::runtime_error {
public:
    explicit FailureError(Failure failure)
        : std::runtime_error(failure.description), m_failure(std::move(failure))
    {
    }
    const Failure& failure() const noexcept { return m_failure; }

private:
    Failure m_failure;
};

}  // namespace tolbrek
