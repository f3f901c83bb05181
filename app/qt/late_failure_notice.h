#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class QLabel;

namespace tolbrek {

// Failures heard after their command ended (how the editor ended), shown
// inside the window, in the room the design leaves below the help panels
// (kLateNoticePlace). A box would take the keyboard from the field the user
// is typing in, and on Wayland the compositor, not the program, decides
// whether a new window takes the focus. The notice never takes the focus:
// it appears beside the user's work, stays until dismissed, and a failure
// heard again is shown once, with its count. Its Dismiss button is reached
// with Tab after the window's last control, or with the mouse.
class LateFailureNotice final : public QFrame {
public:
    explicit LateFailureNotice(QWidget& window);

    void add(const QString& failure);
    // The failures shown, each with how often it was heard; empty once
    // dismissed.
    QString shownText() const;

private:
    void dismiss();

    struct Heard {
        QString failure;
        int times = 0;
    };
    std::vector<Heard> m_heard;
    QLabel* m_text = nullptr;
};

}  // namespace tolbrek
