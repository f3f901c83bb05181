#include "control_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

#include "first_line_validator.h"
#include "font_fallback.h"
#include "key_repeats.h"

namespace tolbrek {

namespace {

QString TextOf(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QColor ColourOf(const Rgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

Qt::Alignment AlignmentOf(const ControlDesign& design)
{
    const Qt::Alignment horizontal =
        design.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    switch (design.verticalAlign) {
        case VerticalAlign::Top:
            return horizontal | Qt::AlignTop;
        case VerticalAlign::Middle:
            return horizontal | Qt::AlignVCenter;
        case VerticalAlign::Bottom:
            break;
    }
    return horizontal | Qt::AlignBottom;
}

// The design's colours, in every state of the control: the text in
// `textRole`, the background as the base of a box. Where the design gives
// none, the control keeps the platform's.
void SetColours(QWidget& control, const ControlDesign& design, QPalette::ColorRole textRole)
{
    if (!design.text && !design.background) return;
    QPalette palette;
    if (design.text) palette.setColor(textRole, ColourOf(*design.text));
    if (design.background) palette.setColor(QPalette::Base, ColourOf(*design.background));
    control.setPalette(palette);
}

// A control of the design's class with what every kind shares; its font is
// set before it is given any text, so that no text is laid out in another.
template <typename Control>
Control* Make(const ControlDesign& design, QWidget& window, int dpi)
{
    auto* control = new Control(&window);
    control->setObjectName(TextOf(design.name));
    PlaceControl(*control, design, dpi);
    if (design.kind != ControlKind::Label && design.kind != ControlKind::TextBox) {
        control->setAccessibleName(TextOf(AccessibleNameOf(design)));
    }
    return control;
}

// Every caption wraps at its box's width, as on Windows; one that fits stays
// on one line. A line height other than the font's own needs rich text, the
// only way a label holds one.
QLabel* BuildLabel(const ControlDesign& design, QWidget& window, int dpi)
{
    auto* label = Make<QLabel>(design, window, dpi);
    SetColours(*label, design, QPalette::WindowText);
    label->setAlignment(AlignmentOf(design));
    label->setWordWrap(true);
    if (design.lineHeightPercent == 100) {
        label->setTextFormat(Qt::PlainText);
        label->setText(TextOf(design.caption));
    } else {
        label->setTextFormat(Qt::RichText);
        label->setText(QStringLiteral("<p style=\"line-height:%1%; white-space:pre-wrap\">%2</p>")
                           .arg(design.lineHeightPercent)
                           .arg(TextOf(design.caption).toHtmlEscaped()));
    }
    return label;
}

QLineEdit* BuildTextBox(const ControlDesign& design, QWidget& window, int dpi)
{
    auto* field = Make<QLineEdit>(design, window, dpi);
    SetColours(*field, design, QPalette::Text);
    field->setAlignment(AlignmentOf(design));
    field->setReadOnly(design.kind == ControlKind::LockedTextBox);
    // A field holds as much text as is typed or pasted into it, on one line.
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setValidator(new FirstLineValidator(field));
    return field;
}

// A help panel only shows its text: it takes no focus and no click.
QPlainTextEdit* BuildHelpPanel(const ControlDesign& design, QWidget& window, int dpi)
{
    auto* panel = Make<QPlainTextEdit>(design, window, dpi);
    SetColours(*panel, design, QPalette::Text);
    panel->setEnabled(false);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    panel->setReadOnly(true);
    panel->setPlainText(TextOf(design.caption));
    return panel;
}

QListWidget* BuildListBox(const ControlDesign& design, QWidget& window, int dpi)
{
    auto* list = Make<QListWidget>(design, window, dpi);
    SetColours(*list, design, QPalette::Text);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line has the same font and height; saying so spares the list
    // from measuring all its lines again after each one is added.
    list->setUniformItemSizes(true);
    return list;
}

// Return and Enter press a focused button, as Space does; no button is the
// window's default, so Return in a field presses none.
QPushButton* BuildButton(const ControlDesign& design, QWidget& window, int dpi)
{
    auto* button = Make<QPushButton>(design, window, dpi);
    SetColours(*button, design, QPalette::ButtonText);
    button->setAutoDefault(true);
    new OncePerPress(*button);
    button->setText(TextOf(design.caption));
    return button;
}

}  // namespace

QFont DesignFont(const ControlDesign& design, int dpi)
{
    const double scale = dpi / 96.0;
    QFont font;
    font.setFamilies({DesignFontFamily()});
    // Each of the design's sizes is a whole number of pixels at 96 dpi. Laid
    // out at another resolution, a font is rounded down to whole pixels:
    // text does not grow in proportion to its font, and rounded up the
    // tightest captions would wrap.
    if (dpi == 96) {
        font.setPointSizeF(design.points);
    } else {
        font.setPixelSize(int(design.points * dpi / 72));
    }
    font.setBold(design.bold);
    font.setItalic(design.italic);
    if (design.qt.letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, design.qt.letterSpacing * scale);
    return font;
}

QWidget* BuildControl(const ControlDesign& design, QWidget& window, int dpi)
{
    switch (design.kind) {
        case ControlKind::Label:
            return BuildLabel(design, window, dpi);
        case ControlKind::TextBox:
        case ControlKind::LockedTextBox:
            return BuildTextBox(design, window, dpi);
        case ControlKind::HelpPanel:
            return BuildHelpPanel(design, window, dpi);
        case ControlKind::ListBox:
            return BuildListBox(design, window, dpi);
        case ControlKind::Button:
            break;
    }
    return BuildButton(design, window, dpi);
}

void PlaceControl(QWidget& control, const ControlDesign& design, int dpi)
{
    const PixelRect place = PixelsFromTwips(design.place, dpi);
    control.setGeometry(place.left, place.top, place.width, place.height);
    control.setFont(DesignFont(design, dpi));
}

}  // namespace tolbrek
