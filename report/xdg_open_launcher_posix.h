#pragma once

#include <memory>

#include "editor_launcher.h"

namespace tolbrek {

// Learns when a started program ends, through the window's event loop,
// without ever waiting for it, owning it or killing it.
class ChildWatch {
public:
    virtual ~ChildWatch() = default;
    virtual void watch(int processId, ProgramEnded ended) = 0;
};

// The desktop's own choice of editor for a text file, through xdg-open,
// whose end `children` learns: how it ended is the only word of a failure
// to open the report.
std::unique_ptr<EditorLauncher> MakeXdgOpenLauncher(ChildWatch& children);

}  // namespace tolbrek
