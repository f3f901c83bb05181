#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

// How readable a text is in a picture of a window, as WCAG 2 measures it:
// the contrast ratio between the relative luminances of the text's ink and
// of the ground it stands on, from 1 (none) to 21 (black on white).

struct Pixel {
    int red;
    int green;
    int blue;
    friend auto operator<=>(const Pixel&, const Pixel&) = default;
};

inline double RelativeLuminance(const Pixel& pixel)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(pixel.red) + 0.7152 * linear(pixel.green) + 0.0722 * linear(pixel.blue);
}

inline double ContrastRatio(const Pixel& first, const Pixel& second)
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The contrast of the text in a region of a picture, `pixelAt(x, y)` giving
// its pixels: the ground is the colour most of the region has, the ink the
// pixel that differs most from it, where a stroke covers a pixel whole.
template <typename PixelAt>
double TextContrast(int width, int height, PixelAt pixelAt)
{
    std::map<Pixel, int> counts;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) ++counts[pixelAt(x, y)];
    }
    if (counts.empty()) return 1;
    const Pixel ground =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    double most = 1;
    for (const auto& [pixel, count] : counts) most = std::max(most, ContrastRatio(pixel, ground));
    return most;
}
