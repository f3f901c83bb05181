#pragma once

#include <windows.h>

#include <array>

#include "painting.h"
#include "window_design.h"

namespace tolbrek {

// What a control's text is drawn in and the ground it stands on.
struct ControlColours {
    COLORREF text;
    COLORREF ground;
    HBRUSH brush;  // the ground's, owned by WindowColours or the system
};

// Whether the user has asked Windows for high contrast.
bool SystemHighContrast();

// The colours the window draws its captions, boxes and help panels in. The
// design's where it gives a colour of its own, and the system's standard
// ones elsewhere, which Windows keeps light unless high contrast is on. In
// high contrast the system's throughout, none of the design's, as Windows
// asks of every program: its captions in the button text colour on the
// window's face, its boxes and panels in the window text colour on the
// window colour.
class WindowColours {
public:
    explicit WindowColours(bool highContrast);

    bool highContrast() const { return m_highContrast; }
    // The colours of the design's control at `index`.
    ControlColours of(std::size_t index) const;
    // The window's face, behind the captions.
    static HBRUSH Face() { return GetSysColorBrush(COLOR_BTNFACE); }

private:
    bool m_highContrast;
    std::array<UniqueBrush, kWindowDesign.size()> m_designGrounds;
};

}  // namespace tolbrek
