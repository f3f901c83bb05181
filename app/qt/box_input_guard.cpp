#include "box_input_guard.h"

#include <QApplication>
#include <QWidget>

namespace tolbrek {

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
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
    m_age.start();
    qApp->installEventFilter(this);
}

BoxInputGuard::~BoxInputGuard()
{
    qApp->removeEventFilter(this);
}

bool BoxInputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsUserInput(event->type()) || m_age.elapsed() >= kDeafMilliseconds) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget && (widget == &m_box || m_box.isAncestorOf(widget));
}

}  // namespace tolbrek
