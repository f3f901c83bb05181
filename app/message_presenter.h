#pragma once

#include <QString>

#include "failure.h"

class QWidget;

// The window's one way to show a box, so that tests can see every message
// without running a modal loop.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // A modal box with the text, a single OK button, no icon, titled Tolbrek.
    virtual void showMessage(const QString& text) = 0;
    // The report of an error that escaped a command: its number and description.
    virtual void showError(const tolbrek::Failure& failure) = 0;
};

class MessageBoxPresenter final : public MessagePresenter {
public:
    explicit MessageBoxPresenter(QWidget* parent);
    void showMessage(const QString& text) override;
    void showError(const tolbrek::Failure& failure) override;

private:
    QWidget* m_parent;
};

// The text of an error report, as the box shows it.
QString ErrorReportText(const tolbrek::Failure& failure);
