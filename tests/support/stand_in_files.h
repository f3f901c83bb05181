#pragma once

#include <cstddef>
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
    std::unique_ptr<tolbrek::ByteStream> replaceFile(const std::string& path) override
    {
        if (m_refuses(path)) {
            throw tolbrek::FolderRefusedError({tolbrek::FailureKind::System, m_number,
                                               "Access is denied: could not create " + path});
        }
        return m_real->replaceFile(path);
    }

private:
    std::function<bool(const std::string&)> m_refuses;
    int m_number;
    std::unique_ptr<tolbrek::FileService> m_real = tolbrek::MakeStandardFileService();
};

// The system's file service whose stream fails on purpose once the file
// would pass a given size, as a full disk would, and tells whether it was
// closed and released.
class FillingFiles final : public tolbrek::FileService {
public:
    explicit FillingFiles(std::size_t room) : m_room(room) {}
    std::unique_ptr<tolbrek::ByteStream> replaceFile(const std::string& path) override
    {
        return std::make_unique<Stream>(m_real->replaceFile(path), *this);
    }

    bool streamReleased = false;
    bool closed = false;

private:
    class Stream final : public tolbrek::ByteStream {
    public:
        Stream(std::unique_ptr<tolbrek::ByteStream> real, FillingFiles& owner)
            : m_real(std::move(real)), m_owner(owner)
        {
        }
        ~Stream() override { m_owner.streamReleased = true; }
        Stream(const Stream&) = delete;
        Stream& operator=(const Stream&) = delete;
        void write(std::string_view bytes) override
        {
            m_written += bytes.size();
            if (m_written > m_owner.m_room) {
                throw tolbrek::FailureError(
                    {tolbrek::FailureKind::System, 28, "No space left on device"});
            }
            m_real->write(bytes);
        }
        void close() override
        {
            m_owner.closed = true;
            m_real->close();
        }

    private:
        std::unique_ptr<tolbrek::ByteStream> m_real;
        FillingFiles& m_owner;
        std::size_t m_written = 0;
    };

    std::size_t m_room;
    std::unique_ptr<tolbrek::FileService> m_real = tolbrek::MakeStandardFileService();
};
