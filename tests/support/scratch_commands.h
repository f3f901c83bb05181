#pragma once

#include <memory>
#include <string>

#include "failure.h"
#include "load_commands.h"
#include "recording_editor.h"
#include "scratch_folder.h"
#include "stand_in_view.h"

// The four commands over a stand-in window, with the system's file service
// and a recording editor, saving Text.txt in a scratch folder.
class ScratchCommands {
protected:
    explicit ScratchCommands(const std::string& purpose) : m_folder(purpose)
    {
        auto editor = std::make_unique<RecordingEditor>();
        m_editor = editor.get();
        m_commands = std::make_unique<tolbrek::LoadCommands>(
            m_view, tolbrek::CommandServices{tolbrek::MakeStandardFileService(), std::move(editor),
                                             [this] { return reportPlace(); }});
    }

    void run(tolbrek::Command command) { m_commands->run(command); }
    std::string reportBytes() const { return ScratchFolder::bytesOf(m_report); }

    ScratchFolder m_folder;
    // Where the report goes; emptied, it stands for a system with no home.
    std::string m_report = m_folder.file("Text.txt");
    StandInView m_view;
    RecordingEditor* m_editor = nullptr;
    std::unique_ptr<tolbrek::LoadCommands> m_commands;

private:
    std::string reportPlace() const
    {
        if (m_report.empty()) {
            throw tolbrek::FailureError({tolbrek::FailureKind::System, 2, "no home folder"});
        }
        return m_report;
    }
};
