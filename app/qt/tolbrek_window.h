#pragma once

#include <QWidget>
#include <memory>

#include "form_view.h"
#include "load_commands.h"

namespace Ui {
class Tolbrek;
}

namespace tolbrek {

// The one window of Tolbrek on Linux. The form (tolbrek_window.ui) holds
// every control with its geometry, fonts, colours and tab order, as the
// window design gives them; this class builds it, lets the commands see it
// through FormView, and maps each button to its command.
class TolbrekWindow : public QWidget {
    Q_OBJECT

public:
    // The services are the system's own in the program (SystemServices);
    // tests stand in for the files, the editor and the report location.
    explicit TolbrekWindow(CommandServices services, QWidget* parent = nullptr);
    ~TolbrekWindow() override;

protected:
    bool event(QEvent* event) override;

public slots:
    void cmdCalc_Click();
    void cmdClear_Click();
    void cmdPopulate_Click();
    void cmdSave_Click();

private:
    std::unique_ptr<Ui::Tolbrek> m_ui;
    FormView m_view;
    LoadCommands m_commands;
};

}  // namespace tolbrek
