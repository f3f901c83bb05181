#pragma once

#include <memory>
#include <string>

namespace tolbrek {

// Starts the system text editor on a file, minimized where the system allows,
// without waiting for it. A failure to start is thrown as a FailureError.
class EditorLauncher {
public:
    virtual ~EditorLauncher() = default;
    virtual void Open(const std::string& path) = 0;
};

// The system's editor: Notepad on Windows, xdg-open elsewhere.
std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher();

}  // namespace tolbrek
