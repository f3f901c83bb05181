#include "caption_painter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "colour_ref.h"
#include "wide_text.h"

namespace tolbrek {

namespace {

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

void PaintCaption(HDC dc, const RECT& box, const ControlDesign& design, HFONT font, int dpi)
{
    const HGDIOBJ previousFont = SelectObject(dc, font);
    SetTextColor(dc, ColourRefOr(design.text, COLOR_WINDOWTEXT));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);

    const double spacing = design.wholePixelLetterSpacing * dpi / 96.0;
    const int width = box.right - box.left;
    const std::vector<std::wstring> lines =
        WrapLines(dc, WideFromUtf8(design.caption), width, spacing);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int step = MulDiv(metrics.tmHeight, design.lineHeightPercent, 100);
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
    SelectObject(dc, previousFont);
}

}  // namespace tolbrek
