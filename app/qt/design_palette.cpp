#include "design_palette.h"

#include "window_design.h"

namespace tolbrek {

namespace {

QColor ColourOf(const Rgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

QPalette DesignPalette(QPalette desktop)
{
    const QColor form = ColourOf(kFormGrey);
    const QColor mid = form.darker(130);
    const QColor dark = form.darker(150);
    // The ground, in every state: a disabled help panel stands on it too.
    for (const auto& [role, colour] : {std::pair{QPalette::Window, form},
                                       {QPalette::Button, form},
                                       {QPalette::Light, form.lighter(150)},
                                       {QPalette::Midlight, mid.lighter(110)},
                                       {QPalette::Mid, mid}}) {
        desktop.setColor(role, colour);
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto& [role, colour] : {std::pair{QPalette::WindowText, ColourOf(kDarkText)},
                                           {QPalette::ButtonText, ColourOf(kDarkText)},
                                           {QPalette::Text, ColourOf(kDarkText)},
                                           {QPalette::Base, ColourOf(kBoxWhite)},
                                           {QPalette::Dark, dark},
                                           {QPalette::Shadow, dark.darker(135)}}) {
            desktop.setColor(group, role, colour);
        }
    }
    return desktop;
}

}  // namespace tolbrek
