#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "editor_launcher.h"
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

// Stands in for the text editor: records each file it was asked to open.
class RecordingEditor final : public tolbrek::EditorLauncher {
public:
    explicit RecordingEditor(std::vector<std::string>& opened) : m_opened(opened) {}
    void Open(const std::string& path) override { m_opened.push_back(path); }

private:
    std::vector<std::string>& m_opened;
};
