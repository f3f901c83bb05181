#include "command_guard.h"

#include <new>

#include "editor_launcher.h"
#include "window_view.h"

namespace tolbrek {

Failure MakeFailure(CommandFailure entry)
{
    return {FailureKind::Program, static_cast<int>(entry),
            entry == CommandFailure::OutOfMemory ? "Out of memory" : "Unexpected error"};
}

namespace {

Failure CurrentFailure()
{
    try {
        throw;
    } catch (const FailureError& error) {
        return error.failure();
    } catch (const std::bad_alloc&) {
        return MakeFailure(CommandFailure::OutOfMemory);
    } catch (const std::exception& error) {
        Failure failure = MakeFailure(CommandFailure::Unexpected);
        failure.description += std::string(": ") + error.what();
        return failure;
    } catch (...) {
        return MakeFailure(CommandFailure::Unexpected);
    }
}

}  // namespace

void RunGuarded(WindowView& view, const std::function<void()>& command)
{
    try {
        command();
    } catch (...) {
        const Failure failure = CurrentFailure();
        // A report that cannot be shown must not take the program down.
        ResumeNext([&] { view.reportError(failure); });
    }
}

std::string ErrorReportText(const Failure& failure)
{
    const std::string what = "Error " + std::to_string(failure.number) + ": " + failure.description;
    // The editor is heard from only after Save Data has finished.
    if (failure.is(EditorFailure::Failed)) {
        return what + "\n\nThe report had been saved there in full before the editor started.";
    }
    return what +
           "\n\nThe command was stopped. Everything in the window, the list included, is kept.";
}

}  // namespace tolbrek
