#pragma once

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

protected:
    bool event(QEvent* event) override;

public slots:
    void cmdCalc_Click();
    void cmdClear_Click();
    void cmdPopulate_Click();
    void cmdSave_Click();

private:
    const WindowControls m_controls;
    LateFailureNotice* m_notice;  // a child of the window
    FormView m_view;
    LoadCommands m_commands;
};

}  // namespace tolbrek
