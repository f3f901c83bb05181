#include <QProcess>
#include <QStandardPaths>

#include "editor_launcher.h"
#include "failure.h"
#include "system_failure.h"

namespace tolbrek {

namespace {

// The desktop's own choice of editor for a text file. xdg-open is started
// directly, never through a shell, and left to run on its own.
class XdgOpenLauncher final : public EditorLauncher {
public:
    void Open(const std::string& path) override
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (program.isEmpty()) {
            ThrowSystemFailure(SystemError(std::errc::no_such_file_or_directory),
                               "xdg-open was not found on PATH to open " + path);
        }
        QProcess process;
        process.setProgram(program);
        process.setArguments({QString::fromStdString(path)});
        process.setStandardInputFile(QProcess::nullDevice());
        if (!process.startDetached()) {
            Failure failure = MakeFailure(FailureKind::EditorNotStarted);
            failure.description += " on " + path + ": " + process.errorString().toStdString();
            throw FailureError(failure);
        }
    }
};

}  // namespace

std::unique_ptr<EditorLauncher> MakeSystemEditorLauncher()
{
    return std::make_unique<XdgOpenLauncher>();
}

}  // namespace tolbrek
