#include <windows.h>

#include "main_window.h"
#include "message_loop.h"
#include "notepad_launcher_windows.h"
#include "system_services.h"
#include "wide_text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand)
{
    try {
        tolbrek::MainWindow window(instance,
                                   tolbrek::SystemServices(tolbrek::MakeSystemNotepadLauncher()));
        window.show(showCommand);
        return tolbrek::RunEventLoop(window.handle());
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, tolbrek::WideFromUtf8(error.what()).c_str(), L"Tolbrek",
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
