#pragma once

#include <functional>
#include <string>

#include "failure.h"

namespace tolbrek {

class WindowView;

// Runs one command. An error that escapes it is reported in the error box
// with its number and description, and the program carries on with every
// control as it was: ending the program would throw away the loads gathered
// in the list.
void RunGuarded(WindowView& view, const std::function<void()>& command);

// Runs one statement and drops anything it throws: the Calculate command
// skips a statement that fails and goes on with the next one.
template <typename Statement>
void ResumeNext(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (...) {  // NOLINT(bugprone-empty-catch): skipping is the rule
    }
}

// What the guard reports of an error that is none of the program's own
// failures; each entry is its number.
enum class CommandFailure {
    OutOfMemory = 1005,
    Unexpected = 1009,
};

Failure MakeFailure(CommandFailure entry);

// The text of the error box.
std::string ErrorReportText(const Failure& failure);

}  // namespace tolbrek
