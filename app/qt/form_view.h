#pragma once

#include "window_view.h"

class QLineEdit;
class QWidget;

namespace Ui {
class Tolbrek;
}

namespace tolbrek {

// The commands' view of the Qt window: the form's line edits and list box,
// and Qt's message boxes over the window.
class FormView final : public WindowView {
public:
    FormView(Ui::Tolbrek& ui, QWidget& window) : m_ui(ui), m_window(window) {}

    std::string text(LoadField field) const override;
    void setText(LoadField field, const std::string& text) override;
    void appendLine(const std::string& line) override;
    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    void showMessage(const std::string& text) override;
    void reportError(const Failure& failure) override;
    std::string decimalSeparator() const override;

private:
    QLineEdit* fieldFor(LoadField field) const;

    Ui::Tolbrek& m_ui;
    QWidget& m_window;
};

}  // namespace tolbrek
