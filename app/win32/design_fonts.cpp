#include "design_fonts.h"

#include <cmath>

namespace tolbrek {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Arial, or its metric twin where it is not installed (as under wine), so
// that every caption keeps the width the window was laid out for.
const wchar_t* FontFace()
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpyW(wanted.lfFaceName, L"Arial");
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found ? L"Arial" : L"Liberation Sans";
}

}  // namespace

int FontHeight(double points, int dpi)
{
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

DesignFonts::DesignFonts(int dpi)
{
    const wchar_t* face = FontFace();
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const ControlDesign& design = kWindowDesign[index];
        for (std::size_t earlier = 0; earlier < index; ++earlier) {
            const ControlDesign& other = kWindowDesign[earlier];
            if (other.points == design.points && other.bold == design.bold &&
                other.italic == design.italic) {
                m_byControl[index] = m_byControl[earlier];
                break;
            }
        }
        if (m_byControl[index]) continue;
        m_fonts.emplace_back(
            CreateFontW(FontHeight(design.points, dpi), 0, 0, 0, design.bold ? FW_BOLD : FW_NORMAL,
                        design.italic, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face));
        m_byControl[index] = m_fonts.back().get();
    }
}

}  // namespace tolbrek
