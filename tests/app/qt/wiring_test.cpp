// The Qt window over the commands: each button runs its command on the
// window's controls, boxes look as they should, and Save Data reaches the
// real home folder and xdg-open.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <optional>

#include "qt_child_watch.h"
#include "system_services.h"
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

// A scratch home folder, and a folder first on PATH that holds a stand-in
// xdg-open made from the script (a test writes its records with
// record()), or that is alone on PATH and holds no xdg-open at all.
struct SystemDesktop {
    explicit SystemDesktop(const QString& xdgOpen)
    {
        const QByteArray folder = QFile::encodeName(bin.path());
        pathEnv.emplace("PATH", xdgOpen.isNull() ? folder : folder + ":" + qgetenv("PATH"));
        if (xdgOpen.isNull()) return;
        QFile file(bin.filePath("xdg-open"));
        file.open(QIODevice::WriteOnly);
        file.write(QString(xdgOpen).replace(QStringLiteral("%1"), records.path()).toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString report() const { return QDir(home.path()).filePath("Text.txt"); }
    QString record(const char* name) const { return QDir(records.path()).filePath(name); }

    QTemporaryDir home;
    QTemporaryDir bin;
    QTemporaryDir records;
    ScopedEnv homeEnv{"HOME", QFile::encodeName(home.path())};
    std::optional<ScopedEnv> pathEnv;
    tolbrek::QtChildWatch children;
};

void GatherWorkedLoad(const WindowFixture& f)
{
    f.calculateWorkedLoad();
    f.click("cmdPopulate");
}

}  // namespace

class WiringTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void calculate_shows_both_results_in_the_locales_numbers()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowFixture f;
        f.typeLoad("150", "50", "2800,5", "8");
        f.click("cmdCalc");
        QVERIFY(f.boxes.seen.empty());
        QCOMPARE(f.field("txtCaluc")->text(), QStringLiteral("17,01   Ft. Lb."));
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("2612,9  Ft. Lb."));
    }

    void a_warning_is_a_modal_box_with_ok_and_no_icon_titled_tolbrek()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "", "8");
        f.click("cmdCalc");
        QCOMPARE(f.boxes.seen.size(), std::size_t(1));
        const BoxSeen& box = f.boxes.seen[0];
        QCOMPARE(box.title, QStringLiteral("Tolbrek"));
        QCOMPARE(box.text, QStringLiteral("Please Enter Velocity"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void clear_all_empties_the_fields_and_keeps_the_list_and_the_focus()
    {
        WindowFixture f;
        GatherWorkedLoad(f);
        f.field("txtVel")->setFocus();
        f.window->cmdClear_Click();
        for (const char* name :
             {"txtBulwt", "txtPdrchg", "txtVel", "txtGunwt", "txtCaluc", "txtEnergy", "txtCalib"}) {
            QVERIFY2(f.field(name)->text().isEmpty(), name);
        }
        QCOMPARE(f.list()->count(), 8);
        QCOMPARE(QApplication::focusWidget(), f.field("txtVel"));
    }

    void populate_list_appends_to_the_list_box_without_selecting()
    {
        WindowFixture f;
        GatherWorkedLoad(f);
        QCOMPARE(f.list()->count(), 8);
        QCOMPARE(f.list()->item(0)->text(), QStringLiteral("Cartridge  .308"));
        QCOMPARE(f.list()->item(7)->text(), QStringLiteral("2611.9  Muzzle Energy Foot Pounds"));
        QCOMPARE(f.list()->selectedItems().size(), 0);
    }

    void save_data_writes_the_list_box_and_starts_the_editor()
    {
        WindowFixture f;
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QVERIFY(f.boxes.seen.empty());
        QCOMPARE(ReadAll(f.reportPath).size(), 188);
        QCOMPARE(f.editor->opened.size(), std::size_t(1));
        QCOMPARE(f.editor->opened[0].path, f.reportPath.toStdString());
    }

    // The text boxes' font stands in as the application font only while the
    // controls are made; boxes keep taking the desktop's font, also after it
    // changes.
    void the_boxes_keep_following_the_desktops_font()
    {
        WindowFixture f;
        const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        QCOMPARE(QApplication::font(), desktop);
        QApplication::setFont(QFont(QStringLiteral("Liberation Serif"), 15));
        QEvent themeChange(QEvent::ThemeChange);  // what Qt sends a window when the desktop changes
        QApplication::sendEvent(f.window.get(), &themeChange);
        QCOMPARE(QApplication::font(), desktop);
    }

    // Whatever a path or a caliber holds is shown as it is, never as markup.
    void an_error_box_gives_the_number_and_description_as_plain_text()
    {
        WindowFixture f;
        f.reportPath = f.folder.filePath(QStringLiteral("<b>Text<br>.txt"));
        QVERIFY(QDir().mkdir(f.reportPath));
        f.click("cmdSave");
        QCOMPARE(f.boxes.seen.size(), std::size_t(1));
        const BoxSeen& box = f.boxes.seen[0];
        QCOMPARE(box.title, QStringLiteral("Tolbrek"));
        QVERIFY2(box.text.startsWith(QStringLiteral("Error %1: ").arg(EISDIR)),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains(f.reportPath), qPrintable(box.text));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.format, Qt::PlainText);
    }

    // A second Return on Save Data, or an Escape, pressed as the failure's
    // box appears would close it unseen; keys arriving that early are
    // dropped, so the box stays until someone answers it.
    void keys_pressed_as_a_box_appears_do_not_answer_it()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            WindowFixture f;
            QVERIFY(QDir().mkdir(f.reportPath));
            QTimer::singleShot(0, [key] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, key);
                }
            });
            f.click("cmdSave");
            QCOMPARE(f.boxes.seen.size(), std::size_t(1));
        }
    }

    // As a native single-line box does, a field takes the first line of what
    // is pasted into it, where it is pasted, and no length limit cuts it.
    void a_paste_brings_its_first_line_and_the_field_keeps_its_own_text()
    {
        WindowFixture f;
        QLineEdit* caliber = f.field("txtCalib");
        caliber->setFocus();
        // Every character some reader takes for the end of a line.
        for (const QString& lineBreak :
             {QStringLiteral("\r\n"), QStringLiteral("\n"), QString(QChar(0)), QStringLiteral("\r"),
              QStringLiteral("\v"), QStringLiteral("\f"), QStringLiteral("\u0085"),
              QStringLiteral("\u2028"), QStringLiteral("\u2029")}) {
            caliber->setText(QStringLiteral("LEFTRIGHT"));
            caliber->setCursorPosition(4);
            QApplication::clipboard()->setText("MID" + lineBreak + "2611.9  Forged line");
            QTest::keyClick(caliber, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(caliber->text(), QStringLiteral("LEFTMIDRIGHT"));
            QCOMPARE(caliber->cursorPosition(), 7);
        }
        const QString longText(40000, QLatin1Char('7'));
        QApplication::clipboard()->setText(longText);
        QTest::keyClick(f.field("txtBulwt"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.field("txtBulwt")->text(), longText);
    }

    void the_report_goes_home_and_xdg_open_gets_the_complete_file_once()
    {
        SystemDesktop desktop(QStringLiteral(
            "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1/arguments'\ncp \"$1\" '%1/seen'\n"));
        WindowFixture f(tolbrek::SystemServices(tolbrek::MakeXdgOpenLauncher(desktop.children)));
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QVERIFY(f.boxes.seen.empty());
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(desktop.record("seen")).size(), 188, 10000);
        QCOMPARE(ReadAll(desktop.record("seen")), ReadAll(desktop.report()));
        QTRY_COMPARE_WITH_TIMEOUT(ReadAll(desktop.record("arguments")),
                                  desktop.report().toUtf8() + "\n", 10000);
    }

    // An editor that fails a while after Save Data, as the user types the
    // next caliber: the failure is told inside the window, every key lands
    // in the field, and the same failure again is told once with its count.
    void a_late_editor_failure_never_takes_the_keyboard()
    {
        SystemDesktop desktop(QStringLiteral("#!/bin/sh\nsleep 0.3\nexit 3\n"));
        WindowFixture f(tolbrek::SystemServices(tolbrek::MakeXdgOpenLauncher(desktop.children)));
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QLineEdit* caliber = f.field("txtCalib");
        caliber->clear();
        caliber->setFocus();
        const QString typed = QStringLiteral("30-06 Springfield Improved 40 degree shoulder");
        for (const QChar key : typed) {
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
            QTest::qWait(20);
        }
        const auto notice = [&f] { return f.window->findChild<QFrame*>("lateFailureNotice"); };
        const auto shown = [&f] { return f.window->findChild<QLabel*>("lateFailureText")->text(); };
        QTRY_VERIFY_WITH_TIMEOUT(notice() && notice()->isVisible(), 10000);
        QCOMPARE(caliber->text(), typed);
        QCOMPARE(QApplication::focusWidget(), caliber);
        QVERIFY(f.boxes.seen.empty());
        QVERIFY2(shown().startsWith("Error 1007: ") && shown().contains("status 3"),
                 qPrintable(shown()));
        QVERIFY(shown().contains(desktop.report()));
        QCOMPARE(ReadAll(desktop.report()).size(), 188);

        f.window->cmdSave_Click();
        f.window->cmdSave_Click();
        QTRY_VERIFY_WITH_TIMEOUT(shown().endsWith("(Heard 3 times.)"), 10000);
        QCOMPARE(shown().count(QStringLiteral("Error 1007")), 1);
        QTest::mouseClick(notice()->findChild<QPushButton*>(), Qt::LeftButton);
        QVERIFY(!notice()->isVisible());
        QCOMPARE(QApplication::focusWidget(), caliber);
        QVERIFY(f.boxes.seen.empty());
    }

    void an_editor_that_cannot_start_is_reported_and_the_report_is_complete_data()
    {
        QTest::addColumn<QString>("xdgOpen");
        QTest::addColumn<int>("number");
        QTest::newRow("not on PATH") << QString() << ENOENT;
        QTest::newRow("no program") << QStringLiteral("echo without its #! line\n") << 1006;
    }
    void an_editor_that_cannot_start_is_reported_and_the_report_is_complete()
    {
        QFETCH(QString, xdgOpen);
        QFETCH(int, number);
        SystemDesktop desktop(xdgOpen);
        WindowFixture f(tolbrek::SystemServices(tolbrek::MakeXdgOpenLauncher(desktop.children)));
        GatherWorkedLoad(f);
        f.click("cmdSave");
        QCOMPARE(f.boxes.seen.size(), std::size_t(1));
        QVERIFY2(f.boxes.seen[0].text.startsWith(QStringLiteral("Error %1: ").arg(number)),
                 qPrintable(f.boxes.seen[0].text));
        QVERIFY(f.boxes.seen[0].text.contains(desktop.report()));
        QCOMPARE(ReadAll(desktop.report()).size(), 188);
        QCOMPARE(f.list()->count(), 8);
    }
};

QTEST_MAIN(WiringTest)
#include "wiring_test.moc"
