#pragma once

#include <functional>

class MessagePresenter;

// Runs one command. An error that escapes it is reported with its number and
// description, and the program carries on with every control as it was:
// ending the program would throw away the loads gathered in the list.
void RunCommand(MessagePresenter& messages, const std::function<void()>& command);

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
