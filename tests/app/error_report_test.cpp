// An error that escapes a command is reported with its number and
// description, and the program keeps running with every control as it was.

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTimer>
#include <new>

#include "command_guard.h"
#include "window_fixture.h"

namespace {

class ThrowingPresenter final : public MessagePresenter {
public:
    void showMessage(const QString&) override { throw std::runtime_error("no box"); }
    void showError(const tolbrek::Failure&) override { throw std::runtime_error("no box"); }
};

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool okOnly = false;
};

// Looks at the modal box the call opens, then presses its OK button.
template <typename Call>
BoxSeen ShowAndInspect(Call call)
{
    BoxSeen seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = int(box->buttons().size());
        seen.okOnly = box->standardButtons() == QMessageBox::Ok;
        QTest::keyClick(box, Qt::Key_Return);
    });
    call();
    return seen;
}

}  // namespace

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void an_escaped_failure_is_reported_and_what_was_done_stays()
    {
        WindowFixture f;
        f.field("txtCalib")->setText(".308");
        RunCommand(*f.presenter, [&] {
            f.field("txtBulwt")->setText("done before");
            throw tolbrek::FailureError(tolbrek::MakeFailure(tolbrek::FailureKind::Overflow));
        });
        QCOMPARE(f.presenter->errors.size(), std::size_t(1));
        QCOMPARE(f.presenter->errors[0].number, 1002);
        QCOMPARE(f.presenter->errors[0].kind, tolbrek::FailureKind::Overflow);
        QCOMPARE(f.field("txtBulwt")->text(), QStringLiteral("done before"));
        QCOMPARE(f.field("txtCalib")->text(), QStringLiteral(".308"));
        QVERIFY(f.window->isVisible());

        // The window still works afterwards.
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        QCOMPARE(f.field("txtCaluc")->text(), QStringLiteral("17.01   Ft. Lb."));
    }

    void any_exception_becomes_a_numbered_report()
    {
        RecordingPresenter presenter;
        RunCommand(presenter, [] { throw std::bad_alloc(); });
        RunCommand(presenter, [] { throw std::runtime_error("disk on fire"); });
        RunCommand(presenter, [] { throw 42; });
        QCOMPARE(presenter.errors.size(), std::size_t(3));
        QCOMPARE(presenter.errors[0].kind, tolbrek::FailureKind::OutOfMemory);
        QCOMPARE(presenter.errors[1].kind, tolbrek::FailureKind::Unexpected);
        QVERIFY(presenter.errors[1].description.find("disk on fire") != std::string::npos);
        QCOMPARE(presenter.errors[2].kind, tolbrek::FailureKind::Unexpected);
        for (const auto& error : presenter.errors) QVERIFY(error.number > 0);
    }

    void a_report_that_cannot_be_shown_does_not_end_the_program()
    {
        ThrowingPresenter presenter;
        QVERIFY_THROWS_NO_EXCEPTION(
            RunCommand(presenter, [] { throw std::runtime_error("first"); }));
    }

    void calculate_survives_a_message_box_that_fails()
    {
        WindowServices services;
        services.messages = std::make_unique<ThrowingPresenter>();
        TolbrekWindow window(std::move(services));
        window.cmdCalc_Click();
        QCOMPARE(window.findChild<QLineEdit*>("txtEnergy")->text(), QStringLiteral("  Ft. Lb."));
    }

    void a_message_is_a_modal_box_with_ok_and_no_icon_titled_tolbrek()
    {
        QWidget parent;
        MessageBoxPresenter presenter(&parent);
        const BoxSeen seen =
            ShowAndInspect([&] { presenter.showMessage("Please Enter Velocity"); });
        QCOMPARE(seen.title, QStringLiteral("Tolbrek"));
        QCOMPARE(seen.text, QStringLiteral("Please Enter Velocity"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, 1);
        QVERIFY(seen.okOnly);
    }

    void an_error_box_gives_the_number_and_description()
    {
        QWidget parent;
        MessageBoxPresenter presenter(&parent);
        const tolbrek::Failure failure{tolbrek::FailureKind::System, 2,
                                       "No such file or directory"};
        const BoxSeen seen = ShowAndInspect([&] { presenter.showError(failure); });
        QCOMPARE(seen.title, QStringLiteral("Tolbrek"));
        QVERIFY2(seen.text.startsWith("Error 2: No such file or directory"), qPrintable(seen.text));
        QCOMPARE(seen.buttons, 1);
    }
};

QTEST_MAIN(ErrorReportTest)
#include "error_report_test.moc"
