#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "message_presenter.h"

class QAbstractButton;

namespace Ui {
class Tolbrek;
}

// The one window of Tolbrek. The form (tolbrek_window.ui) holds every control
// with its geometry, fonts, colours and tab order; this class holds the four
// click handlers. A handler reads the fields, calls the Qt-free core in load/
// (and report/), and writes its results back into the fields: the controls
// are the program's only state.
class TolbrekWindow : public QWidget {
    Q_OBJECT

public:
    explicit TolbrekWindow(QWidget* parent = nullptr);
    explicit TolbrekWindow(std::unique_ptr<MessagePresenter> messages, QWidget* parent = nullptr);
    ~TolbrekWindow() override;

public slots:
    void cmdCalc_Click();

private:
    void applyFontDetails();
    void connectCommand(QAbstractButton* button, void (TolbrekWindow::*handler)());
    std::string decimalSeparator() const;

    std::unique_ptr<Ui::Tolbrek> m_ui;
    std::unique_ptr<MessagePresenter> m_messages;
};
