#pragma once

#include <memory>
#include <string>

#include "editor_launcher.h"

namespace tolbrek {

// Notepad at `program`, a full path, started on the report file: never a
// notepad.exe found by searching, which would take one planted in the
// program's folder or the current folder. The system's launcher
// (MakeSystemEditorLauncher) gives the one in the system folder; tests give
// a stand-in's.
std::unique_ptr<EditorLauncher> MakeNotepadLauncher(std::wstring program);

}  // namespace tolbrek
