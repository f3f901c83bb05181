#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor_launcher.h"
#include "failure.h"

// Records each start, with the bytes the report held at that moment.
class RecordingEditor final : public tolbrek::EditorLauncher {
public:
    void open(const std::string& path, tolbrek::ProgramEnded ended) override
    {
        if (fails) {
            throw tolbrek::FailureError(tolbrek::MakeFailure(tolbrek::EditorFailure::NotStarted));
        }
        std::ifstream in(path, std::ios::binary);
        opened.push_back({path, {std::istreambuf_iterator<char>(in), {}}, std::move(ended)});
    }
    struct Start {
        std::string path;
        std::string bytes;
        tolbrek::ProgramEnded ended;
    };
    std::vector<Start> opened;
    bool fails = false;
};
