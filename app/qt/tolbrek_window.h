#pragma once

#include <QMetaObject>
#include <QWidget>

#include "form_view.h"
#include "late_failure_notice.h"
#include "load_commands.h"
#include "window_controls.h"

namespace tolbrek {

// The one window of Tolbrek on Linux. It is made from the window design
// (BuildWindowControls), lets the commands see its controls through
// FormView, and maps each button to its command.
class TolbrekWindow : public QWidget {
    Q_OBJECT

public:
    // The services are the system's own in the program (SystemServices);
    // tests stand in for the files, the editor and the report location.
    explicit TolbrekWindow(CommandServices services, QWidget* parent = nullptr);

    // The resolution the window is laid out at: 96 is the design's own size
    // (which Qt scales with the screen), less where that does not fit the
    // screen's work area.
    int layoutDpi() const { return m_dpi; }

protected:
    bool event(QEvent* event) override;

public slots:
    void cmdCalc_Click();
    void cmdClear_Click();
    void cmdPopulate_Click();
    void cmdSave_Click();

private:
    // Lays the window out again where its screen or the room on it changed:
    // at the design's size where it fits the screen's work area with its
    // frame, else at the largest that fits, kept inside the work area as far
    // as the platform lets a program place its window (Wayland does not).
    void fitToScreen();
    void followScreen(QScreen* screen);

    int m_dpi;
    const WindowControls m_controls;
    LateFailureNotice m_notice;
    FormView m_view;
    LoadCommands m_commands;
    QMetaObject::Connection m_screenRoom;
};

}  // namespace tolbrek
