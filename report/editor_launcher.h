#pragma once

#include <functional>
#include <memory>
#include <string>

namespace tolbrek {

// Hears, on the program's own thread, how a started program ended: its exit
// status, 0 for success.
using ProgramEnded = std::function<void(int exitStatus)>;

// Learns when a started program ends, through the window's event loop,
// without ever waiting for it, owning it or killing it.
class ChildWatch {
public:
    virtual ~ChildWatch() = default;
    virtual void watch(int processId, ProgramEnded ended) = 0;
};

// Starts the system text editor on a file, minimized where the system allows.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    // Returns as soon as the editor is started; a failure to start is thrown
    // as a FailureError. Where the system tells how the editor ended, `ended`
    // hears it later; an empty `ended` is allowed.
    virtual void open(const std::string& path, ProgramEnded ended) = 0;
};

// The system's editor: Notepad on Windows, which is let go once started;
// xdg-open elsewhere, whose end `children` learns.
std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher(ChildWatch& children);

}  // namespace tolbrek
