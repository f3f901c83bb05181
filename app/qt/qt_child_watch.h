#pragma once

#include <QObject>
#include <list>

#include "xdg_open_launcher_posix.h"

namespace tolbrek {

// Learns through Qt's event loop when a program Tolbrek started has ended,
// and collects its exit status, so that no finished program lingers. It
// never waits for a program and never kills one: when the window closes,
// the programs still running go on by themselves.
class QtChildWatch final : public QObject, public ChildWatch {
public:
    explicit QtChildWatch(QObject* parent = nullptr);
    ~QtChildWatch() override;

    // `ended` hears the exit status; a program ended by a signal counts as
    // 128 plus the signal's number, as the shell counts it.
    void watch(int processId, ProgramEnded ended) override;

private:
    struct Child;
    void collect(Child& child);

    std::list<Child> m_children;
};

}  // namespace tolbrek
