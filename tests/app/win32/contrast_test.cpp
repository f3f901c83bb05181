// Every text of the window readable in Windows' high-contrast schemes: the
// system's colours throughout, measured in a picture of the window as WCAG 2
// measures contrast. Wine never reports high contrast on, so the window is
// told so here, with the schemes' real system colours set.

#include <map>
#include <vector>

#include "text_contrast.h"
#include "window_fixture.h"

namespace {

using tolbrek::ControlKind;
using tolbrek::kWindowDesign;

struct Scheme {
    const char* name;
    bool highContrast;
    std::vector<std::pair<int, COLORREF>> colours;
};

// Windows' own high-contrast schemes, as they set the system's colours.
const Scheme kSchemes[] = {
    {"default", false, {}},
    {"high contrast black",
     true,
     {{COLOR_WINDOW, RGB(0, 0, 0)},
      {COLOR_WINDOWTEXT, RGB(255, 255, 255)},
      {COLOR_BTNFACE, RGB(0, 0, 0)},
      {COLOR_BTNTEXT, RGB(255, 255, 255)},
      {COLOR_GRAYTEXT, RGB(63, 242, 63)},
      {COLOR_HIGHLIGHT, RGB(26, 235, 255)},
      {COLOR_HIGHLIGHTTEXT, RGB(0, 0, 0)}}},
    {"high contrast white",
     true,
     {{COLOR_WINDOW, RGB(255, 255, 255)},
      {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
      {COLOR_BTNFACE, RGB(255, 255, 255)},
      {COLOR_BTNTEXT, RGB(0, 0, 0)},
      {COLOR_GRAYTEXT, RGB(96, 0, 0)},
      {COLOR_HIGHLIGHT, RGB(55, 0, 110)},
      {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}}},
};

bool IsText(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::TextBox ||
           kind == ControlKind::LockedTextBox;
}

// Sets the system's colours for the life of the object.
class SystemColours {
public:
    explicit SystemColours(const std::vector<std::pair<int, COLORREF>>& colours)
    {
        for (const auto& [element, colour] : colours) {
            m_elements.push_back(element);
            m_previous.push_back(GetSysColor(element));
            m_wanted.push_back(colour);
        }
        Set(m_wanted);
    }
    ~SystemColours() { Set(m_previous); }

private:
    void Set(const std::vector<COLORREF>& colours) const
    {
        if (!m_elements.empty()) {
            SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), colours.data());
        }
    }
    std::vector<int> m_elements;
    std::vector<COLORREF> m_previous;
    std::vector<COLORREF> m_wanted;
};

class ContrastTest : public WindowFixture {
protected:
    // The contrast of each text of the design, by name, in a picture of the
    // window with a load typed and calculated, under a scheme.
    std::map<std::string, double> contrasts(const Scheme& scheme)
    {
        s_highContrast = scheme.highContrast;
        const SystemColours colours(scheme.colours);
        SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
        SetText(control("txtBulwt"), "150");
        SetText(control("txtPdrchg"), "50");
        SetText(control("txtVel"), "2800");
        SetText(control("txtGunwt"), "8");
        SetText(control("txtCalib"), ".308");
        Click("cmdCalc");
        SetFocus(control("cmdClear"));
        RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        UpdateWindow(window());
        Pump();

        RECT client{};
        GetClientRect(window(), &client);
        const HDC dc = GetDC(window());
        const HDC memory = CreateCompatibleDC(dc);
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        format.bmiHeader.biWidth = client.right;
        format.bmiHeader.biHeight = -client.bottom;  // top row first
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        const HBITMAP picture = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        std::map<std::string, double> measured;
        for (const tolbrek::ControlDesign& design : kWindowDesign) {
            if (!IsText(design.kind)) continue;
            RECT box{};
            GetWindowRect(control(design), &box);
            MapWindowPoints(nullptr, window(), reinterpret_cast<POINT*>(&box), 2);
            // Inside the box's frame, and clear of any neighbour it overlaps.
            const int inset = design.kind == ControlKind::Label ? 2 : 4;
            InflateRect(&box, -inset, -inset);
            measured[std::string(design.name)] =
                TextContrast(box.right - box.left, box.bottom - box.top, [&](int x, int y) {
                    const std::uint32_t pixel = pixels[(box.top + y) * client.right + box.left + x];
                    return Pixel{static_cast<int>((pixel >> 16) & 0xFF),
                                 static_cast<int>((pixel >> 8) & 0xFF),
                                 static_cast<int>(pixel & 0xFF)};
                });
        }
        SelectObject(memory, previous);
        DeleteObject(picture);
        DeleteDC(memory);
        ReleaseDC(window(), dc);
        s_highContrast = false;
        return measured;
    }
};

}  // namespace

// In high contrast the window takes the system's colours and none of the
// design's: no text reads worse than in the default scheme, and the fields,
// the results and the heading reach WCAG's 4.5:1.
TEST_F(ContrastTest, every_text_is_readable_in_the_high_contrast_schemes)
{
    std::vector<std::map<std::string, double>> measured;
    for (const Scheme& scheme : kSchemes) measured.push_back(contrasts(scheme));
    SendMessageW(window(), WM_SYSCOLORCHANGE, 0, 0);
    for (const tolbrek::ControlDesign& design : kWindowDesign) {
        if (!IsText(design.kind)) continue;
        const std::string name(design.name);
        std::printf("%-10s default %5.2f:1  black %5.2f:1  white %5.2f:1\n", name.c_str(),
                    measured[0].at(name), measured[1].at(name), measured[2].at(name));
        const bool mustReach = design.kind != ControlKind::Label || name == "Label13";
        for (std::size_t scheme = 1; scheme < std::size(kSchemes); ++scheme) {
            EXPECT_GE(measured[scheme].at(name), measured[0].at(name) - 0.05)
                << name << " in " << kSchemes[scheme].name;
            if (mustReach) {
                EXPECT_GE(measured[scheme].at(name), 4.5) << name;
            }
        }
    }
}
