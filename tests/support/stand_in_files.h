#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "failure.h"
#include "file_service.h"

// The system's file service, except that some folders refuse new files, as
// the root of C: does for a standard user on Windows: replacing a report
// there throws FolderRefusedError with the system's number for a refusal.
class RefusingFolderFiles final : public tolbrek::FileService {
public:
    RefusingFolderFiles(std::function<bool(const std::string& path)> refuses, int number)
        : m_refuses(std::move(refuses)), m_number(number)
    {
    }
    std::unique_ptr<tolbrek::TextStream> replaceTextFile(const std::string& path) override
    {
        if (m_refuses(path)) {
            throw tolbrek::FolderRefusedError({tolbrek::FailureKind::System, m_number,
                                               "Access is denied: could not create " + path});
        }
        return m_real->replaceTextFile(path);
    }

private:
    std::function<bool(const std::string&)> m_refuses;
    int m_number;
    std::unique_ptr<tolbrek::FileService> m_real = tolbrek::MakeStandardFileService();
};

// The system's file service whose stream fails on purpose at one line, as a
// full disk would, and tells whether it was closed and released.
class LineFailingFiles final : public tolbrek::FileService {
public:
    explicit LineFailingFiles(int failingLine) : m_failingLine(failingLine) {}
    std::unique_ptr<tolbrek::TextStream> replaceTextFile(const std::string& path) override
    {
        return std::make_unique<Stream>(m_real->replaceTextFile(path), *this);
    }

    bool streamReleased = false;
    bool closed = false;

private:
    class Stream final : public tolbrek::TextStream {
    public:
        Stream(std::unique_ptr<tolbrek::TextStream> real, LineFailingFiles& owner)
            : m_real(std::move(real)), m_owner(owner)
        {
        }
        ~Stream() override { m_owner.streamReleased = true; }
        Stream(const Stream&) = delete;
        Stream& operator=(const Stream&) = delete;
        bool writeLine(std::string_view text) override
        {
            if (++m_written == m_owner.m_failingLine) {
                throw tolbrek::FailureError(
                    {tolbrek::FailureKind::System, 28, "No space left on device"});
            }
            return m_real->writeLine(text);
        }
        void close() override
        {
            m_owner.closed = true;
            m_real->close();
        }

    private:
        std::unique_ptr<tolbrek::TextStream> m_real;
        LineFailingFiles& m_owner;
        int m_written = 0;
    };

    int m_failingLine;
    std::unique_ptr<tolbrek::FileService> m_real = tolbrek::MakeStandardFileService();
};
