#include "font_fallback.h"

#include <QFont>

namespace tolbrek {

void InstallArialFallback()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

}  // namespace tolbrek
