#pragma once

#include <functional>
#include <string>

#include "failure.h"

namespace tolbrek {

// How the editor fails, as the user reads it; each entry is its number.
enum class EditorFailure {
    NotStarted = 1006,  // the system could not start it
    Failed = 1007,      // it started and ended with a failure
};

inline Failure MakeFailure(EditorFailure entry)
{
    return {FailureKind::Program, static_cast<int>(entry),
            entry == EditorFailure::NotStarted ? "The text editor could not be started"
                                               : "The text editor ended with a failure"};
}

// Hears, on the program's own thread, how a started program ended: its exit
// status, 0 for success.
using ProgramEnded = std::function<void(int exitStatus)>;

// Starts the system text editor on a file, minimized where the system allows.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    // Returns as soon as the editor is started; a failure to start is thrown
    // as a FailureError. Where the system tells how the editor ended, `ended`
    // hears it later; an empty `ended` is allowed.
    virtual void open(const std::string& path, ProgramEnded ended) = 0;
};

// Each system's editor has a factory of its own, for what it needs:
// MakeXdgOpenLauncher (xdg_open_launcher_posix.h) the window's watch over
// the programs it starts, MakeSystemNotepadLauncher
// (notepad_launcher_windows.h) nothing.

}  // namespace tolbrek
