// Save Data through the window, with the real report location in a scratch
// home folder and a stand-in xdg-open first on PATH.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "window_fixture.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had) {
            qputenv(m_name, m_old);
        } else {
            qunsetenv(m_name);
        }
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

// An xdg-open that logs its arguments and copies the file it was given, as
// the file stood when the editor started.
struct StubEditor {
    StubEditor()
    {
        const QString script =
            QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\ncp \"$1\" '%2'\n")
                .arg(log(), seen());
        QFile file(bin.filePath("xdg-open"));
        file.open(QIODevice::WriteOnly);
        file.write(script.toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString log() const { return records.filePath("arguments"); }
    QString seen() const { return records.filePath("seen"); }

    QTemporaryDir bin;
    QTemporaryDir records;
};

WindowServices RecordingMessagesOnly(RecordingPresenter*& presenter)
{
    auto recorder = std::make_unique<RecordingPresenter>();
    presenter = recorder.get();
    WindowServices services;
    services.messages = std::move(recorder);
    return services;
}

void GatherWorkedLoad(const WindowFixture& f)
{
    f.typeLoad("150", "50", "2800", "8");
    f.field("txtCalib")->setText(".308");
    f.click("cmdCalc");
    f.click("cmdPopulate");
}

}  // namespace

class SaveCommandTest : public QObject {
    Q_OBJECT

private slots:
    void writes_the_list_then_opens_it_in_the_editor()
    {
        WindowFixture f;
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QVERIFY(f.presenter->errors.empty());
        const QByteArray bytes = ReadAll(f.reportPath);
        QCOMPARE(bytes.size(), 188);
        QVERIFY(bytes.startsWith("Cartridge  .308\r\n\r\n150  Bullet Weight Grains\r\n"));
        QCOMPARE(f.editorOpened, std::vector<std::string>{f.reportPath.toStdString()});
        QCOMPARE(f.list()->count(), 8);
    }

    void an_empty_list_still_gives_a_file_and_an_editor()
    {
        WindowFixture f;
        f.click("cmdSave");
        QVERIFY(QFile::exists(f.reportPath));
        QCOMPARE(ReadAll(f.reportPath).size(), 0);
        QCOMPARE(f.editorOpened.size(), std::size_t(1));
    }

    void the_report_goes_home_and_xdg_open_gets_the_complete_file_once()
    {
        QTemporaryDir home;
        StubEditor stub;
        const ScopedEnv homeEnv("HOME", QFile::encodeName(home.path()));
        const ScopedEnv pathEnv("PATH", QFile::encodeName(stub.bin.path()) + ":" + qgetenv("PATH"));
        RecordingPresenter* presenter = nullptr;
        WindowFixture f(RecordingMessagesOnly(presenter), ReportPlace::System);
        const QString report = QDir(home.path()).filePath("Text.txt");
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QVERIFY(presenter->errors.empty());
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(stub.seen()).size(), 188, 10000);
        QCOMPARE(ReadAll(stub.seen()), ReadAll(report));
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(stub.log()), report.toUtf8() + "\n", 10000);
    }

    void a_missing_editor_is_reported_and_the_file_is_complete()
    {
        QTemporaryDir home;
        QTemporaryDir emptyBin;
        const ScopedEnv homeEnv("HOME", QFile::encodeName(home.path()));
        const ScopedEnv pathEnv("PATH", QFile::encodeName(emptyBin.path()));
        RecordingPresenter* presenter = nullptr;
        WindowFixture f(RecordingMessagesOnly(presenter), ReportPlace::System);
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QCOMPARE(presenter->errors.size(), std::size_t(1));
        QCOMPARE(presenter->errors[0].number, ENOENT);
        QVERIFY(QString::fromStdString(presenter->errors[0].description).contains("xdg-open"));
        QCOMPARE(ReadAll(QDir(home.path()).filePath("Text.txt")).size(), 188);
        QCOMPARE(f.list()->count(), 8);
    }

    void a_missing_home_folder_is_reported_with_the_file_it_concerns()
    {
        QTemporaryDir scratch;
        const QString missingHome = scratch.filePath("gone");
        const ScopedEnv homeEnv("HOME", QFile::encodeName(missingHome));
        RecordingPresenter* presenter = nullptr;
        WindowServices services = RecordingMessagesOnly(presenter);
        std::vector<std::string> opened;
        services.editor = std::make_unique<RecordingEditor>(opened);
        WindowFixture f(std::move(services), ReportPlace::System);
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QCOMPARE(presenter->errors.size(), std::size_t(1));
        QCOMPARE(presenter->errors[0].number, ENOENT);
        QVERIFY(QString::fromStdString(presenter->errors[0].description)
                    .contains(QDir(missingHome).filePath("Text.txt")));
        QVERIFY(opened.empty());
        QCOMPARE(f.list()->count(), 8);
    }

    void a_read_only_report_is_kept_and_the_program_goes_on()
    {
        WindowFixture f;
        {
            QFile old(f.reportPath);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("kept\r\n");
        }
        QFile::setPermissions(f.reportPath, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QCOMPARE(f.presenter->errors.size(), std::size_t(1));
        QCOMPARE(f.presenter->errors[0].number, EACCES);
        QCOMPARE(ReadAll(f.reportPath), QByteArray("kept\r\n"));
        QVERIFY(f.editorOpened.empty());
        QCOMPARE(f.list()->count(), 8);

        QFile::setPermissions(f.reportPath, QFile::ReadOwner | QFile::WriteOwner);
        f.click("cmdSave");
        QCOMPARE(ReadAll(f.reportPath).size(), 188);
        QCOMPARE(f.editorOpened.size(), std::size_t(1));
    }

    void a_folder_named_like_the_report_is_reported()
    {
        WindowFixture f;
        QVERIFY(QDir().mkdir(f.reportPath));
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QCOMPARE(f.presenter->errors.size(), std::size_t(1));
        QCOMPARE(f.presenter->errors[0].number, EISDIR);
        QVERIFY(f.editorOpened.empty());
    }
};

QTEST_MAIN(SaveCommandTest)
#include "save_command_test.moc"
