#pragma once

#include <QString>
#include <vector>

class QFrame;
class QLabel;
class QWidget;

namespace tolbrek {

// Failures heard after their command ended (how the editor ended), shown
// inside the window, in the room the design leaves below the help panels
// (kLateNoticePlace). A box would take the keyboard from the field the user
// is typing in, and on Wayland the compositor, not the program, decides
// whether a new window takes the focus. The notice never takes the focus:
// it appears beside the user's work, stays until dismissed, and a failure
// heard again is shown once, with its count. Its Dismiss button is reached
// with Tab after the window's last control, or with the mouse. Its widgets
// (the frame lateFailureNotice and its text lateFailureText) are made when
// the first failure is heard: most runs hear none.
class LateFailureNotice {
public:
    LateFailureNotice(QWidget& window, int dpi);

    void add(const QString& failure);
    // Its place and font with the window laid out at `dpi`.
    void layOut(int dpi);

private:
    // The failures shown, each with how often it was heard.
    QString shownText() const;
    void build();
    void dismiss();

    struct Heard {
        QString failure;
        int times = 0;
    };
    QWidget& m_window;
    int m_dpi;
    std::vector<Heard> m_heard;
    QFrame* m_frame = nullptr;  // children of the window, once made
    QLabel* m_text = nullptr;
};

}  // namespace tolbrek
