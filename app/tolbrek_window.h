#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "editor_launcher.h"
#include "file_service.h"
#include "message_presenter.h"

class QAbstractButton;

namespace Ui {
class Tolbrek;
}

// What the window uses of the system. An empty member means the system's
// own: message boxes, the standard library's files, the desktop's editor and
// the usual report location. Tests put stand-ins in their place.
struct WindowServices {
    std::unique_ptr<MessagePresenter> messages;
    std::unique_ptr<tolbrek::FileService> files;
    std::unique_ptr<tolbrek::EditorLauncher> editor;
    std::string reportPath;
};

// The one window of Tolbrek. The form (tolbrek_window.ui) holds every control
// with its geometry, fonts, colours and tab order; this class holds the four
// click handlers. A handler reads the fields, calls the Qt-free code in load/
// and report/, and writes its results back into the controls: the controls
// are the program's only state.
class TolbrekWindow : public QWidget {
    Q_OBJECT

public:
    explicit TolbrekWindow(QWidget* parent = nullptr);
    explicit TolbrekWindow(WindowServices services, QWidget* parent = nullptr);
    ~TolbrekWindow() override;

public slots:
    void cmdCalc_Click();
    void cmdClear_Click();
    void cmdPopulate_Click();
    void cmdSave_Click();

private:
    void applyFontDetails();
    void connectCommand(QAbstractButton* button, void (TolbrekWindow::*handler)());
    std::string decimalSeparator() const;

    std::unique_ptr<Ui::Tolbrek> m_ui;
    WindowServices m_services;
};
