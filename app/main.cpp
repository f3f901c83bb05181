#include <QApplication>

#include "font_fallback.h"
#include "tolbrek_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InstallArialFallback();
    TolbrekWindow window;
    window.show();
    return QApplication::exec();
}
