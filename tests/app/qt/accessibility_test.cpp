// What a screen reader hears of the window's controls: what the sighted
// user reads, with no visible text changed.

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

#include "window_design.h"
#include "window_fixture.h"

namespace {

QString AccessibleName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QAccessible::Role AccessibleRole(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // A screen reader says what a reader sees: an input field's caption,
    // through the caption's buddy, and a button's text; the results, the list
    // and the help panels have the names the design gives them.
    void every_control_but_a_label_is_named_for_screen_readers()
    {
        WindowFixture f;
        for (const tolbrek::ControlDesign& design : tolbrek::kWindowDesign) {
            if (design.kind == tolbrek::ControlKind::Label) continue;
            QWidget* control = f.control(design.name.data());
            QString seen = QString::fromUtf8(design.accessibleName.data(),
                                             qsizetype(design.accessibleName.size()));
            if (!design.label.empty()) {
                auto* caption = f.control<QLabel>(design.label.data());
                QCOMPARE(caption->buddy(), control);
                QCOMPARE(AccessibleRole(control), QAccessible::EditableText);
                seen = caption->text();
            } else if (design.kind == tolbrek::ControlKind::Button) {
                seen = static_cast<QAbstractButton*>(control)->text();
            }
            QVERIFY2(AccessibleName(control) == seen, design.name.data());
        }
    }

    // A buddy would give a caption with & an access key; none has one.
    void no_caption_defines_an_access_key()
    {
        WindowFixture f;
        for (QLabel* label : f.window->findChildren<QLabel*>()) {
            QVERIFY2(!label->text().contains('&'), qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
