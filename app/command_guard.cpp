#include "command_guard.h"

#include <new>

#include "failure.h"
#include "message_presenter.h"

namespace {

tolbrek::Failure CurrentFailure()
{
    try {
        throw;
    } catch (const tolbrek::FailureError& error) {
        return error.failure();
    } catch (const std::bad_alloc&) {
        return tolbrek::MakeFailure(tolbrek::FailureKind::OutOfMemory);
    } catch (const std::exception& error) {
        tolbrek::Failure failure = tolbrek::MakeFailure(tolbrek::FailureKind::Unexpected);
        failure.description += std::string(": ") + error.what();
        return failure;
    } catch (...) {
        return tolbrek::MakeFailure(tolbrek::FailureKind::Unexpected);
    }
}

}  // namespace

void RunCommand(MessagePresenter& messages, const std::function<void()>& command)
{
    try {
        command();
    } catch (...) {
        const tolbrek::Failure failure = CurrentFailure();
        // A report that cannot be shown must not take the program down.
        ResumeNext([&] { messages.showError(failure); });
    }
}
