#include "form_fonts.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFontDatabase>
#include <QVariant>
#include <QWidget>

namespace tolbrek {

namespace {

// uic writes whole point sizes only; a control whose size has a fraction
// carries it in this dynamic property of the form.
constexpr const char* kPointSizeProperty = "pointSizeF";
// Letter spacing in pixels, which a form font cannot hold either: a caption
// that is a pixel wider than its box is tightened rather than clipped.
constexpr const char* kLetterSpacingProperty = "letterSpacing";

void ApplyFontDetails(QWidget& control)
{
    const QVariant size = control.property(kPointSizeProperty);
    const QVariant spacing = control.property(kLetterSpacingProperty);
    QFont font = control.font();
    if (size.isValid()) font.setPointSizeF(size.toDouble());
    if (spacing.isValid()) font.setLetterSpacing(QFont::AbsoluteSpacing, spacing.toDouble());
    control.setFont(font);
}

}  // namespace

FormFonts::FormFonts(const QFont& formFont) : m_applicationFont(QApplication::font())
{
    QApplication::setFont(formFont);
    QCoreApplication::instance()->installEventFilter(this);
}

FormFonts::~FormFonts()
{
    QCoreApplication::instance()->removeEventFilter(this);
    QApplication::setFont(m_applicationFont);
}

void FollowDesktopFont()
{
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (QApplication::font() != desktop) QApplication::setFont(desktop);
}

bool FormFonts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DynamicPropertyChange && watched->isWidgetType()) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
        if (name == kPointSizeProperty || name == kLetterSpacingProperty) {
            ApplyFontDetails(*static_cast<QWidget*>(watched));
        }
    }
    return false;
}

}  // namespace tolbrek
