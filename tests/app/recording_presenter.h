#pragma once

#include <QStringList>
#include <vector>

#include "message_presenter.h"

// Stands in for the message boxes: records what would have been shown, so a
// window test never blocks on a modal loop.
class RecordingPresenter final : public MessagePresenter {
public:
    void showMessage(const QString& text) override { messages.append(text); }
    void showError(const tolbrek::Failure& failure) override { errors.push_back(failure); }

    QStringList messages;
    std::vector<tolbrek::Failure> errors;
};
