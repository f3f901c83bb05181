#include "font_fallback.h"

#include <QFontDatabase>
#include <QStringList>

namespace tolbrek {

QString DesignFontFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Arial"))
                                      ? QStringLiteral("Arial")
                                      : QStringLiteral("Liberation Sans");
    return family;
}

}  // namespace tolbrek
