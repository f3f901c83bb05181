#include <windows.h>

#include "main_window.h"
#include "message_loop.h"
#include "system_services.h"
#include "wide_text.h"

namespace {

// Notepad is let go once started: the Windows launcher never asks to
// watch it, so there is nothing to watch.
class NoChildWatch final : public tolbrek::ChildWatch {
public:
    void watch(int /*processId*/, tolbrek::ProgramEnded /*ended*/) override {}
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand)
{
    try {
        NoChildWatch children;
        tolbrek::MainWindow window(instance, tolbrek::SystemServices(children));
        window.show(showCommand);
        return tolbrek::RunEventLoop(window.handle());
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, tolbrek::WideFromUtf8(error.what()).c_str(), L"Tolbrek",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
