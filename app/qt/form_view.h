#pragma once

#include "window_controls.h"
#include "window_view.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace tolbrek {

class LateFailureNotice;

// The commands' view of the Qt window: the line edits that hold the load's
// fields and the list box, as the window design places them, and Qt's
// message boxes over the window, and its notice of late failures.
class FormView final : public WindowView {
public:
    FormView(const WindowControls& controls, QWidget& window, LateFailureNotice& notice);

    std::string text(LoadField field) const override;
    void setText(LoadField field, const std::string& text) override;
    void appendLine(const std::string& line) override;
    std::size_t lineCount() const override;
    std::string line(std::size_t index) const override;
    void showMessage(const std::string& text) override;
    void reportError(const Failure& failure) override;
    void showLateFailure(const Failure& failure) override;
    std::string decimalSeparator() const override;

private:
    QLineEdit* fieldFor(LoadField field) const;
    QListWidget* list() const;

    const WindowControls& m_controls;
    QWidget& m_window;
    LateFailureNotice& m_notice;
};

}  // namespace tolbrek
