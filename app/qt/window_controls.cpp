#include "window_controls.h"

#include <QLabel>
#include <algorithm>

#include "application_font.h"
#include "control_builder.h"
#include "design_palette.h"

namespace tolbrek {

namespace {

bool IsTextBox(const ControlDesign& design)
{
    return design.kind == ControlKind::TextBox;
}

// The text boxes' font: the window's own.
QFont BoxesFont(int dpi)
{
    return DesignFont(*std::find_if(kWindowDesign.begin(), kWindowDesign.end(), IsTextBox), dpi);
}

}  // namespace

WindowControls BuildWindowControls(QWidget& window, int dpi)
{
    window.setPalette(DesignPalette(window.palette()));
    WindowControls controls{};
    {
        // A control starts out in its parent's font, and a line edit lays out
        // its empty text in the application font, before either takes its
        // own: both are the text boxes' font while the controls are made, so
        // that no font is loaded that the window does not show.
        const QFont boxes = BoxesFont(dpi);
        window.setFont(boxes);
        const ApplicationFontStandIn standIn(boxes);
        for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
            controls[index] = BuildControl(kWindowDesign[index], window, dpi);
        }
    }
    QWidget* previous = nullptr;
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const ControlDesign& design = kWindowDesign[index];
        QWidget* control = controls[index];
        if (design.kind != ControlKind::Label) {
            // Above every label: a box covers the edge of a caption it
            // overlaps (txtEnergy the foot of Label12, the number fields
            // the stars beside them).
            control->raise();
        }
        if (!design.label.empty()) {
            // A screen reader names the field by the caption a reader sees.
            static_cast<QLabel*>(controls[IndexOf(design.label)])->setBuddy(control);
        }
        if (TakesFocus(design.kind)) {
            if (previous) QWidget::setTabOrder(previous, control);
            previous = control;
        }
    }
    return controls;
}

void LayOutWindowControls(QWidget& window, const WindowControls& controls, int dpi)
{
    window.setFont(BoxesFont(dpi));
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        PlaceControl(*controls[index], kWindowDesign[index], dpi);
    }
}

}  // namespace tolbrek
