#include "form_fonts.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFontDatabase>
#include <QVariant>
#include <QWidget>

#include "font_fallback.h"

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

FormFonts::FormFonts(const QFont& formFont)
    : m_applicationFont(QApplication::font()), m_family(DesignFontFamily())
{
    QFont standIn = formFont;
    standIn.setFamilies({m_family});
    QApplication::setFont(standIn);
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
    if (!watched->isWidgetType()) return false;
    auto& control = *static_cast<QWidget*>(watched);
    if (event->type() == QEvent::FontChange && control.font().families() != QStringList{m_family}) {
        // A font change tells the control before it lays out anything: it
        // is given the design's family instead, and hears only of that.
        QFont font = control.font();
        font.setFamilies({m_family});
        control.setFont(font);
        return true;
    }
    if (event->type() == QEvent::DynamicPropertyChange) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
        if (name == kPointSizeProperty || name == kLetterSpacingProperty) ApplyFontDetails(control);
    }
    return false;
}

}  // namespace tolbrek
