#include "qt_child_watch.h"

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <memory>

namespace tolbrek {

struct QtChildWatch::Child {
    int processId = 0;
    ProgramEnded ended;
    // A process descriptor becomes readable when the program ends. Where the
    // kernel has none, a timer looks now and then instead.
    int descriptor = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    std::unique_ptr<QTimer> timer;
};

QtChildWatch::QtChildWatch(QObject* parent) : QObject(parent) {}

QtChildWatch::~QtChildWatch()
{
    for (Child& child : m_children) {
        if (child.descriptor >= 0) close(child.descriptor);
    }
}

void QtChildWatch::watch(int processId, ProgramEnded ended)
{
    Child& child = m_children.emplace_back();
    child.processId = processId;
    child.ended = std::move(ended);
    // Called directly: Debian 12's <sys/pidfd.h> lacks the C linkage that
    // C++ needs to reach its pidfd_open. The descriptor is close-on-exec.
    child.descriptor = static_cast<int>(syscall(SYS_pidfd_open, processId, 0));
    if (child.descriptor >= 0) {
        child.notifier = std::make_unique<QSocketNotifier>(child.descriptor, QSocketNotifier::Read);
        connect(child.notifier.get(), &QSocketNotifier::activated, this,
                [this, &child] { collect(child); });
    } else {
        child.timer = std::make_unique<QTimer>();
        connect(child.timer.get(), &QTimer::timeout, this, [this, &child] { collect(child); });
        child.timer->start(250);
    }
}

void QtChildWatch::collect(Child& child)
{
    int status = 0;
    if (waitpid(child.processId, &status, WNOHANG) != child.processId) return;
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    const ProgramEnded ended = std::move(child.ended);
    // The notifier or timer that called this is deleted once its signal is done.
    if (child.notifier) {
        child.notifier->setEnabled(false);
        child.notifier.release()->deleteLater();
    }
    if (child.timer) {
        child.timer->stop();
        child.timer.release()->deleteLater();
    }
    if (child.descriptor >= 0) close(child.descriptor);
    m_children.remove_if([&child](const Child& other) { return &other == &child; });
    if (ended) ended(exitStatus);
}

}  // namespace tolbrek
