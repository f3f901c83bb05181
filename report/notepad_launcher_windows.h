#pragma once

#include <memory>
#include <string>

#include "editor_launcher.h"

namespace tolbrek {

// Notepad at `program`, a full path, started on the report file: never a
// notepad.exe found by searching, which would take one planted in the
// program's folder or the current folder. Tests give a stand-in's.
std::unique_ptr<EditorLauncher> MakeNotepadLauncher(std::wstring program);

// The system's editor on Windows: Notepad in the system folder, let go once
// started, so that nothing watches it.
std::unique_ptr<EditorLauncher> MakeSystemNotepadLauncher();

}  // namespace tolbrek
