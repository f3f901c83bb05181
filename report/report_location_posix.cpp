#include <QDir>

#include "report_location.h"

namespace tolbrek {

std::string ReportFilePath()
{
    return QDir(QDir::homePath()).filePath(QStringLiteral("Text.txt")).toStdString();
}

}  // namespace tolbrek
