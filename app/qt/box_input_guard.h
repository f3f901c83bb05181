#pragma once

#include <QElapsedTimer>
#include <QObject>

namespace tolbrek {

// Keeps a message box from being answered by keys and clicks that were
// meant for the window: a second Return pressed on a button, or Alt+F4,
// before the box appeared would otherwise close it unseen, and a failure
// whose only sign is the box would pass for success. For its first moments
// the box drops every key and click that reaches it, those queued before it
// appeared included; no person reads a box and answers it that fast.
class BoxInputGuard final : public QObject {
public:
    explicit BoxInputGuard(QWidget& box);
    ~BoxInputGuard() override;
    BoxInputGuard(const BoxInputGuard&) = delete;
    BoxInputGuard& operator=(const BoxInputGuard&) = delete;

    // How long the box takes no input after it is made.
    static constexpr qint64 kDeafMilliseconds = 400;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_box;
    QElapsedTimer m_age;
};

}  // namespace tolbrek
