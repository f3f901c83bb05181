#pragma once

#include <functional>

// The save's system calls, made to fail on purpose. Only a test program
// linked with their wrappers (GNU ld's --wrap for each call) has them.
enum class SystemCall { Create, Write, Fsync, Fchmod, Close, Rename };

// While it lives, every call of its kind fails with the error: creating is
// opening with O_CREAT, and a close still closes, as Linux's does whatever
// it reports.
class FailingCall {
public:
    FailingCall(SystemCall call, int error);
    ~FailingCall();
    FailingCall(const FailingCall&) = delete;
    FailingCall& operator=(const FailingCall&) = delete;
};

// Runs `competitor` once, right after the next file is created and before
// its creator sees it.
void AfterNextCreate(std::function<void()> competitor);
