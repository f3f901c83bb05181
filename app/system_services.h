#pragma once

#include <memory>

#include "editor_launcher.h"
#include "load_commands.h"

namespace tolbrek {

// The system's own file service and report location, with the editor that
// each window's main makes for its system (MakeXdgOpenLauncher,
// MakeSystemNotepadLauncher): what the program runs with.
CommandServices SystemServices(std::unique_ptr<EditorLauncher> editor);

}  // namespace tolbrek
