#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "key_repeats.h"

namespace tolbrek {

// Keeps a message box from being answered by keys and clicks that were
// meant for the window: a second Return pressed on a button, or Alt+F4,
// just before the box appeared would otherwise close it unseen, and a
// failure whose only sign is the box would pass for success. Until the box
// has been shown for a moment it drops every press of a key or a mouse
// button that reaches it, those queued before it appeared included; no
// person reads a box and answers it that fast. A key held down answers
// nothing: its repeats are dropped however long the box has been up
// (KeyRepeats). Releases pass: one alone answers nothing.
class BoxInputGuard final : public QObject {
public:
    explicit BoxInputGuard(QWidget& box);
    ~BoxInputGuard() override;
    BoxInputGuard(const BoxInputGuard&) = delete;
    BoxInputGuard& operator=(const BoxInputGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_box;
    QElapsedTimer m_shown;  // started when the box is shown
    KeyRepeats m_repeats;
};

}  // namespace tolbrek
