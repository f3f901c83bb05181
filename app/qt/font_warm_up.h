#pragma once

#include <thread>

namespace tolbrek {

// Has fontconfig read its configuration and font cache on a second thread
// while QApplication connects to the display on the first: a fifth of the
// start-up that every window with text pays, and on an X server it would
// otherwise wait for the connection. Only the font library is warmed up
// here; the program's own work all stays on its one thread.
class FontLibraryWarmUp {
public:
    FontLibraryWarmUp();
    ~FontLibraryWarmUp();
    FontLibraryWarmUp(const FontLibraryWarmUp&) = delete;
    FontLibraryWarmUp& operator=(const FontLibraryWarmUp&) = delete;

    // Waits until the font library is ready: before the first font is used.
    void finish();

private:
    std::thread m_thread;
};

}  // namespace tolbrek
