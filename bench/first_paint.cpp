// Starts one window and ends the process right after its first paint:
// `first_paint tolbrek` shows the Tolbrek window, `first_paint bare` an empty
// QWidget of the same size, and `first_paint caption` that bare window with
// one 12 pt Arial caption: the least a window that shows any text pays for
// the font system.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "font_warm_up.h"
#include "qt_child_watch.h"
#include "system_services.h"
#include "tolbrek_window.h"

namespace {

// Quits once the event in which the window was first painted is finished.
class FirstPaintExit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc == 2 ? argv[1] : "";
    if (mode != "tolbrek" && mode != "bare" && mode != "caption") {
        std::fprintf(stderr, "usage: %s tolbrek|bare|caption\n", argv[0]);
        return 2;
    }
    // Tolbrek starts as its main() does.
    std::optional<tolbrek::FontLibraryWarmUp> fonts;
    if (mode == "tolbrek") fonts.emplace();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (fonts) fonts->finish();
    FirstPaintExit exitOnPaint;
    std::unique_ptr<QWidget> window;
    tolbrek::QtChildWatch children;
    if (mode == "tolbrek") {
        window = std::make_unique<tolbrek::TolbrekWindow>(
            tolbrek::SystemServices(tolbrek::MakeXdgOpenLauncher(children)));
    } else {
        // Where Arial is not installed, its metric twin stands in, as it
        // would in any program that asks for Arial.
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        window = std::make_unique<QWidget>();
        window->setFixedSize(551, 673);
        window->setWindowTitle(QStringLiteral("Tolbrek"));
        if (mode == "caption") {
            auto* caption = new QLabel(QStringLiteral("Bullet Weight Grains"), window.get());
            caption->setFont(QFont(QStringLiteral("Arial"), 12));
            caption->setGeometry(16, 40, 161, 17);
        }
    }
    window->installEventFilter(&exitOnPaint);
    window->show();
    return QApplication::exec();
}
