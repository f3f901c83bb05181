#pragma once

#include <QFont>

namespace tolbrek {

// Makes a font the application font for its own life; afterwards the
// application font is what it was (BuildWindowControls says why).
class ApplicationFontStandIn {
public:
    explicit ApplicationFontStandIn(const QFont& font);
    ~ApplicationFontStandIn();
    ApplicationFontStandIn(const ApplicationFontStandIn&) = delete;
    ApplicationFontStandIn& operator=(const ApplicationFontStandIn&) = delete;

private:
    QFont m_previous;
};

// Makes the application font the desktop's font, as it was before the
// window's controls were made. Qt follows a desktop font change by itself
// only while a program has never set the application font, so the window
// calls this whenever the desktop's theme changes; message boxes take the
// application font.
void FollowDesktopFont();

}  // namespace tolbrek
