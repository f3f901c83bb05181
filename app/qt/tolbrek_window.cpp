#include "tolbrek_window.h"

#include <QAbstractButton>
#include <QEvent>
#include <QScreen>
#include <QWindow>

#include "application_font.h"
#include "window_fit.h"

namespace tolbrek {

namespace {

using Slot = void (TolbrekWindow::*)();

Slot SlotFor(Command command)
{
    switch (command) {
        case Command::Calculate:
            return &TolbrekWindow::cmdCalc_Click;
        case Command::ClearAll:
            return &TolbrekWindow::cmdClear_Click;
        case Command::PopulateList:
            return &TolbrekWindow::cmdPopulate_Click;
        case Command::SaveData:
            break;
    }
    return &TolbrekWindow::cmdSave_Click;
}

QSize ClientSize(int dpi)
{
    return {PixelsFromTwips(kClientWidthTwips, dpi), PixelsFromTwips(kClientHeightTwips, dpi)};
}

ScreenRect ScreenRectOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// The resolution the window fits its screen at, its frame unknown until
// the window is shown.
int FittingDpiOn(const QScreen* screen)
{
    if (!screen) return 96;
    const QSize room = screen->availableGeometry().size();
    return FittingDpi(96, room.width(), room.height(), {0, 0, 0, 0});
}

}  // namespace

TolbrekWindow::TolbrekWindow(CommandServices services, QWidget* parent)
    : QWidget(parent),
      m_dpi(FittingDpiOn(screen())),
      m_controls(BuildWindowControls(*this, m_dpi)),
      m_notice(*this, m_dpi),
      m_view(m_controls, *this, m_notice),
      m_commands(m_view, std::move(services))
{
    const QString title = QString::fromUtf8(kWindowTitle.data(), qsizetype(kWindowTitle.size()));
    setObjectName(title);
    setWindowTitle(title);
    setFixedSize(ClientSize(m_dpi));
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        if (const auto command = kWindowDesign[index].command) {
            connect(static_cast<QAbstractButton*>(m_controls[index]), &QAbstractButton::clicked,
                    this, SlotFor(*command));
        }
    }
    m_controls[FirstFocusIndex()]->setFocus();
}

bool TolbrekWindow::event(QEvent* event)
{
    switch (event->type()) {
        case QEvent::ThemeChange:
            FollowDesktopFont();
            break;
        case QEvent::Show:
            if (windowHandle() && !m_screenRoom) {
                connect(windowHandle(), &QWindow::screenChanged, this,
                        &TolbrekWindow::followScreen);
                followScreen(windowHandle()->screen());
            }
            break;
        // The frame is known once the window manager has put it around the
        // window, which moves the window.
        case QEvent::Move:
            fitToScreen();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void TolbrekWindow::followScreen(QScreen* screen)
{
    disconnect(m_screenRoom);
    if (screen) {
        m_screenRoom =
            connect(screen, &QScreen::availableGeometryChanged, this, &TolbrekWindow::fitToScreen);
    }
    fitToScreen();
}

void TolbrekWindow::fitToScreen()
{
    const QScreen* screen = this->screen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const FrameExtents extents{client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom()};
    const int dpi = FittingDpi(96, room.width(), room.height(), extents);
    if (dpi == m_dpi) return;
    m_dpi = dpi;
    LayOutWindowControls(*this, m_controls, dpi);
    m_notice.layOut(dpi);
    setFixedSize(ClientSize(dpi));
    const ScreenRect kept =
        KeptInside(OuterRect(dpi, extents, frame.left(), frame.top()), ScreenRectOf(room));
    if (kept.left != frame.left() || kept.top != frame.top()) move(kept.left, kept.top);
}

void TolbrekWindow::cmdCalc_Click()
{
    m_commands.run(Command::Calculate);
}

void TolbrekWindow::cmdClear_Click()
{
    m_commands.run(Command::ClearAll);
}

void TolbrekWindow::cmdPopulate_Click()
{
    m_commands.run(Command::PopulateList);
}

void TolbrekWindow::cmdSave_Click()
{
    m_commands.run(Command::SaveData);
}

}  // namespace tolbrek
