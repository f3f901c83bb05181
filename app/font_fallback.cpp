#include "font_fallback.h"

#include <QFont>

void InstallArialFallback()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}
