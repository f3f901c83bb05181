#include "key_repeats.h"

#include <QKeyEvent>

namespace tolbrek {

bool KeyRepeats::isRepeat(const QKeyEvent& event)
{
    if (event.isAutoRepeat()) return true;
    if (event.type() == QEvent::KeyRelease) {
        m_releasedKey = event.key();
        m_releasedAt = event.timestamp();
        return false;
    }
    // Events made by the program itself carry no time.
    return event.type() == QEvent::KeyPress && event.timestamp() != 0 &&
           event.key() == m_releasedKey && event.timestamp() == m_releasedAt;
}

OncePerPress::OncePerPress(QObject& button) : QObject(&button)
{
    button.installEventFilter(this);
}

bool OncePerPress::eventFilter(QObject* /*watched*/, QEvent* event)
{
    return (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
           m_repeats.isRepeat(static_cast<const QKeyEvent&>(*event));
}

}  // namespace tolbrek
