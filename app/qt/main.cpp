#include <QApplication>

#include "font_warm_up.h"
#include "qt_child_watch.h"
#include "system_services.h"
#include "tolbrek_window.h"
#include "xdg_open_launcher_posix.h"

int main(int argc, char* argv[])
{
    tolbrek::FontLibraryWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    // Ties the window to the installed desktop entry, and so to its icon. The
    // build passes the entry's name, so that the two cannot differ.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLBREK_APP_ID));
    tolbrek::QtChildWatch children;
    tolbrek::TolbrekWindow window(tolbrek::SystemServices(tolbrek::MakeXdgOpenLauncher(children)));
    window.show();
    return QApplication::exec();
}
