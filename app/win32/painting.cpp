#include "painting.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "scoped.h"
#include "wide_text.h"
#include "window_text.h"

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
    const ScopedDc screen(nullptr);
    EnumFontFamiliesExW(screen.get(), &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found ? L"Arial" : L"Liberation Sans";
}

}  // namespace

int FontHeight(double points, int dpi)
{
    // Exact in doubles for the design's quarter points and any whole dpi.
    const double pixels = points * dpi / 72.0;
    const bool windowsStep = dpi % (USER_DEFAULT_SCREEN_DPI / 4) == 0;
    return -static_cast<int>(windowsStep ? std::ceil(pixels - 0.5) : std::floor(pixels));
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

namespace {

// How many tenths of a pixel a character a caption may be tightened by,
// and how many pixels a help panel's font may lose, to fit.
constexpr int kMostTightening = 5;
constexpr int kMostPanelShrinking = 4;

// How far each character moves the pen: the font's own advances with the
// letter spacing added after every character, each pen position rounded to
// the pixel so that a fraction of a pixel per character adds up.
std::vector<int> Advances(HDC dc, const std::wstring& text, double spacing)
{
    const int count = static_cast<int>(text.size());
    std::vector<int> extents(text.size());
    int fitting = 0;
    SIZE size{};
    GetTextExtentExPointW(dc, text.c_str(), count, INT_MAX, &fitting, extents.data(), &size);
    std::vector<int> advances(text.size());
    long previous = 0;
    for (int i = 0; i < count; ++i) {
        const long next = std::lround(extents[i] + (i + 1) * spacing);
        advances[i] = static_cast<int>(next - previous);
        previous = next;
    }
    return advances;
}

int WidthOf(const std::vector<int>& advances)
{
    int width = 0;
    for (const int advance : advances) width += advance;
    return width;
}

// Greedy word wrap at blanks, as a label does: a line takes words while they
// fit, and the blanks where it breaks are dropped.
std::vector<std::wstring> WrapLines(HDC dc, const std::wstring& text, int width, double spacing)
{
    std::vector<std::wstring> lines;
    std::wstring line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t wordStart = text.find_first_not_of(L' ', at);
        if (wordStart == std::wstring::npos) break;
        const std::size_t wordEnd = std::min(text.find(L' ', wordStart), text.size());
        const std::wstring word = text.substr(wordStart, wordEnd - wordStart);
        const std::wstring longer = line.empty() ? word : line + text.substr(at, wordEnd - at);
        if (line.empty() || WidthOf(Advances(dc, longer, spacing)) <= width) {
            line = longer;
        } else {
            lines.push_back(line);
            line = word;
        }
        at = wordEnd;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

void PaintCaption(HDC dc, const RECT& box, const ControlDesign& design, HFONT font, int dpi,
                  COLORREF text)
{
    const ScopedSelection selected(dc, font);
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);

    const int width = box.right - box.left;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int step = MulDiv(metrics.tmHeight, design.lineHeightPercent, 100);
    const std::wstring caption = WideFromUtf8(design.caption);
    // Whole-pixel text does not shrink in proportion to its font: laid out
    // small to fit a screen, a caption may come out a pixel wider than its
    // box, or wrap onto a line more. It is then set a little tighter, a
    // tenth of a pixel a character at a time, until it fits as designed.
    double spacing = design.gdi.letterSpacing * dpi / 96.0;
    std::vector<std::wstring> lines = WrapLines(dc, caption, width, spacing);
    // A one-line caption may stand in a box shorter than its line, as the
    // design has it; a wrapped one must not wrap past its box.
    const auto fits = [&] {
        const int height = static_cast<int>(lines.size() - 1) * step + metrics.tmHeight;
        return (lines.size() == 1 || height <= box.bottom - box.top) &&
               std::ranges::all_of(lines, [&](const std::wstring& line) {
                   return WidthOf(Advances(dc, line, spacing)) <= width;
               });
    };
    for (int tighter = 0; tighter < kMostTightening && !lines.empty() && !fits(); ++tighter) {
        spacing -= 0.1;
        lines = WrapLines(dc, caption, width, spacing);
    }
    const int height =
        lines.empty() ? 0 : step * static_cast<int>(lines.size() - 1) + metrics.tmHeight;
    int top = box.top;
    if (design.verticalAlign == VerticalAlign::Middle) top += (box.bottom - box.top - height) / 2;
    if (design.verticalAlign == VerticalAlign::Bottom) top = box.bottom - height;

    for (const std::wstring& line : lines) {
        const std::vector<int> advances = Advances(dc, line, spacing);
        int left = box.left;
        if (design.align == Align::Centre) left += (width - WidthOf(advances)) / 2;
        ExtTextOutW(dc, left, top, 0, nullptr, line.c_str(), static_cast<UINT>(line.size()),
                    advances.data());
        top += step;
    }
}

namespace {

// A help panel's text in its format rectangle, wrapped as the edit control
// wraps it. Whole-pixel text does not shrink in proportion to its font:
// laid out small to fit a screen, the help text could wrap further and run
// past the panel's foot. It is then drawn a pixel smaller at a time until it
// fits whole.
void DrawPanelText(HDC dc, HWND panel)
{
    const std::wstring text = WindowText(panel);
    const int length = static_cast<int>(text.size());
    RECT format{};
    SendMessageW(panel, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    constexpr UINT kLayout = DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
    const HFONT font = GetWindowFont(panel);
    LOGFONTW smallerFont{};
    GetObjectW(font, sizeof smallerFont, &smallerFont);
    UniqueFont smaller;
    const ScopedSelection selected(dc, font);
    std::optional<ScopedSelection> smallerSelected;
    for (int shrunk = 0; shrunk < kMostPanelShrinking; ++shrunk) {
        RECT needed = format;
        DrawTextW(dc, text.c_str(), length, &needed, kLayout | DT_CALCRECT);
        if (needed.bottom <= format.bottom) break;
        ++smallerFont.lfHeight;  // negative: the em height, a pixel less
        smallerSelected.reset();
        smaller.reset(CreateFontIndirectW(&smallerFont));
        smallerSelected.emplace(dc, smaller.get());
    }
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), length, &format, kLayout);
}

}  // namespace

void PaintHelpPanel(HWND panel)
{
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(panel, &paint);
    RECT client{};
    GetClientRect(panel, &client);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(panel), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(panel)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    DrawPanelText(dc, panel);
    EndPaint(panel, &paint);
}

}  // namespace tolbrek
