// Tells whether a screenshot shows the Tolbrek window as designed: draws the
// window offscreen as it stands just after start-up in a window that is not
// active, then looks for that picture, pixel for pixel, in the screenshot.
//   find_window_picture SCREENSHOT [MISMATCH.png]
// Exits 0 when found; else 1, naming the closest place, how many pixels
// differ there, and writing the offscreen picture to MISMATCH.png.

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cstdio>

#include "tolbrek_window.h"

namespace {

struct Match {
    QPoint place;
    qsizetype differing = -1;
};

// The differing pixels of the window picture at one place of the
// screenshot, counting no further than `enough`.
qsizetype Differing(const QImage& screen, const QImage& window, QPoint at, qsizetype enough)
{
    qsizetype differing = 0;
    for (int y = 0; y < window.height(); ++y) {
        const auto* shown =
            reinterpret_cast<const QRgb*>(screen.constScanLine(at.y() + y)) + at.x();
        const auto* drawn = reinterpret_cast<const QRgb*>(window.constScanLine(y));
        for (int x = 0; x < window.width(); ++x) {
            if (shown[x] != drawn[x] && ++differing >= enough) return differing;
        }
    }
    return differing;
}

// The place where the window picture differs least from the screenshot.
Match BestPlace(const QImage& screen, const QImage& window)
{
    Match best;
    const qsizetype all = qsizetype(window.width()) * window.height();
    for (int y = 0; y + window.height() <= screen.height(); ++y) {
        for (int x = 0; x + window.width() <= screen.width(); ++x) {
            // The window's top left pixel is its background: most places
            // fail at once.
            if (screen.pixel(x, y) != window.pixel(0, 0)) continue;
            const qsizetype differing =
                Differing(screen, window, {x, y}, best.differing < 0 ? all : best.differing);
            if (best.differing < 0 || differing < best.differing) best = {{x, y}, differing};
            if (differing == 0) return best;
        }
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SCREENSHOT [MISMATCH.png]\n", argv[0]);
        return 2;
    }
    // A screen with room for the window at its design's size, as on weston.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TOLBREK_LARGE_SCREEN);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const QImage screen =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    tolbrek::TolbrekWindow window({tolbrek::MakeStandardFileService(), nullptr,
                                   [] { return std::string("/nonexistent/Text.txt"); }});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 2;
    // A compositor with no keyboard, as a headless one is, never activates
    // the window, so no field shows the focus.
    if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);

    const Match match = BestPlace(screen, drawn);
    if (match.differing == 0) {
        std::printf("the window is drawn as designed at %d,%d\n", match.place.x(), match.place.y());
        return 0;
    }
    if (match.differing < 0) {
        std::printf("no place of the screenshot starts like the window\n");
    } else {
        std::printf("closest at %d,%d, where %lld of %lld pixels differ\n", match.place.x(),
                    match.place.y(), static_cast<long long>(match.differing),
                    static_cast<long long>(drawn.width()) * drawn.height());
    }
    if (argc > 2) drawn.save(QString::fromLocal8Bit(argv[2]));
    return 1;
}
