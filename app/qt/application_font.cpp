#include "application_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace tolbrek {

ApplicationFontStandIn::ApplicationFontStandIn(const QFont& font) : m_previous(QApplication::font())
{
    QApplication::setFont(font);
}

ApplicationFontStandIn::~ApplicationFontStandIn()
{
    QApplication::setFont(m_previous);
}

void FollowDesktopFont()
{
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (QApplication::font() != desktop) QApplication::setFont(desktop);
}

}  // namespace tolbrek
