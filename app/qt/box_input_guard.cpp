#include "box_input_guard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "window_design.h"

namespace tolbrek {

namespace {

bool IsPress(QEvent::Type type)
{
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
    }
}

}  // namespace

// Keys go to the box's focused button, not to the box itself, so the guard
// watches everything the application delivers while the box is up.
BoxInputGuard::BoxInputGuard(QWidget& box) : m_box(box)
{
    qApp->installEventFilter(this);
}

BoxInputGuard::~BoxInputGuard()
{
    qApp->removeEventFilter(this);
}

bool BoxInputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_box && event->type() == QEvent::Show) m_shown.start();
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != &m_box && !m_box.isAncestorOf(widget))) return false;
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && m_repeats.isRepeat(static_cast<const QKeyEvent&>(*event))) return true;
    return IsPress(event->type()) &&
           (!m_shown.isValid() || m_shown.elapsed() < kBoxDeafMilliseconds);
}

}  // namespace tolbrek
