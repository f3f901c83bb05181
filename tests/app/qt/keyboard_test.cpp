// How the window answers the keyboard and the mouse: focus order, keys that
// must press nothing, locked result fields and the inert help panels.

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include "box_input_guard.h"
#include "window_design.h"
#include "window_fixture.h"

namespace {

// The controls that take the focus, in the design's tab order.
QStringList TabOrder()
{
    QStringList order;
    for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
        if (tolbrek::TakesFocus(design.kind)) order << QString::fromLatin1(design.name.data());
    }
    return order;
}

const QStringList kTabOrder = TabOrder();

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
}

// Presses a key, lets the system repeat it a few times, lets it go.
void HoldKey(QWidget& target, Qt::Key key)
{
    QTest::keyPress(&target, key);
    for (int repeat = 0; repeat < 5; ++repeat) {
        for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&target, &event);
        }
    }
    QTest::keyRelease(&target, key);
}

// Counts the clicks of all four buttons.
struct ClickCounter {
    explicit ClickCounter(const WindowFixture& f)
    {
        for (QPushButton* button : f.window->findChildren<QPushButton*>()) {
            spies.push_back(std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
        }
    }
    int total() const
    {
        int sum = 0;
        for (const auto& spy : spies) sum += int(spy->count());
        return sum;
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void tab_visits_the_controls_in_order_and_wraps()
    {
        WindowFixture f;
        QStringList visited = {FocusName()};
        for (int i = 0; i < kTabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << FocusName();
        }
        QCOMPARE(visited, kTabOrder + QStringList{"txtBulwt"});
    }

    void shift_tab_visits_them_backwards()
    {
        WindowFixture f;
        QStringList visited;
        for (int i = 0; i < kTabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            visited << FocusName();
        }
        QStringList expected(kTabOrder.rbegin(), kTabOrder.rend() - 1);
        expected << "txtBulwt";
        QCOMPARE(visited, expected);
    }

    void enter_and_escape_in_a_field_press_no_button()
    {
        WindowFixture f;
        const ClickCounter clicks(f);
        for (const char* name :
             {"txtBulwt", "txtPdrchg", "txtVel", "txtGunwt", "txtCalib", "txtCaluc", "txtEnergy"}) {
            f.field(name)->setFocus();
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(f.field(name), key);
            }
        }
        QCOMPARE(clicks.total(), 0);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.boxes.seen.empty());
    }

    // A key held down presses a focused button once: the system repeats the
    // key until it is let go, each repeat marked as one.
    void a_focused_button_is_pressed_once_by_enter_return_or_space_however_long_held()
    {
        WindowFixture f;
        auto* calculate = f.control<QPushButton>("cmdCalc");
        const QSignalSpy clicks(calculate, &QAbstractButton::clicked);
        calculate->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            HoldKey(*calculate, key);
        }
        QCOMPARE(clicks.count(), 3);
        // Each press ran the handler once: four warnings for the empty fields.
        QCOMPARE(f.boxes.seen.size(), std::size_t(12));
    }

    // A box takes no key until it has been shown for a moment, however long
    // it was made before, and no repeat of a held key ever.
    void a_box_takes_only_keys_pressed_once_it_has_been_shown_a_moment()
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tolbrek"), QStringLiteral("text"),
                        QMessageBox::Ok);
        const tolbrek::BoxInputGuard guard(box);
        QTest::qWait(2 * tolbrek::kBoxDeafMilliseconds);
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(box.isVisible());
        QTest::qWait(2 * tolbrek::kBoxDeafMilliseconds);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&box, &repeat);
        QVERIFY(box.isVisible());
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(!box.isVisible());
    }

    void typing_into_a_number_field_accepts_anything()
    {
        WindowFixture f;
        f.field("txtGunwt")->setFocus();
        QTest::keyClicks(f.field("txtGunwt"), "-8 lb x");
        QCOMPARE(f.field("txtGunwt")->text(), QStringLiteral("-8 lb x"));
        QVERIFY(f.boxes.seen.empty());
    }

    void result_fields_can_be_selected_but_not_edited()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        for (const char* name : {"txtCaluc", "txtEnergy"}) {
            QLineEdit* result = f.field(name);
            const QString shown = result->text();
            result->setFocus();
            QCOMPARE(FocusName(), QString(name));
            QTest::keyClicks(result, "99");
            QTest::keyClick(result, Qt::Key_Backspace);
            QTest::keyClick(result, Qt::Key_Delete);
            QCOMPARE(result->text(), shown);
            QTest::keyClick(result, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(result->selectedText(), shown);
        }
    }

    void clicking_a_label_or_a_help_panel_keeps_the_focus()
    {
        WindowFixture f;
        f.field("txtVel")->setFocus();
        for (const char* name : {"Label1", "Label7", "Label13", "Text1", "Text2"}) {
            QTest::mouseClick(f.control(name), Qt::LeftButton);
            QCOMPARE(FocusName(), QStringLiteral("txtVel"));
        }
    }

    // Runs the program's event loop, as main() does, and closes the window
    // from inside it: the loop must end by itself, with no question asked.
    void closing_the_window_ends_the_program_without_a_question()
    {
        WindowFixture f;
        f.click("cmdPopulate");
        QTimer::singleShot(0, f.window.get(), &QWidget::close);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(2); });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.boxes.seen.empty());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
