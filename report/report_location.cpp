#include "report_location.h"

#include <QDir>

std::string ReportFilePath()
{
#ifdef Q_OS_WIN
    return "C:\\Text.txt";
#else
    return QDir(QDir::homePath()).filePath(QStringLiteral("Text.txt")).toStdString();
#endif
}
