#include <QApplication>

#include "font_fallback.h"
#include "tolbrek_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Ties the window to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tolbrek"));
    InstallArialFallback();
    TolbrekWindow window;
    window.show();
    return QApplication::exec();
}
