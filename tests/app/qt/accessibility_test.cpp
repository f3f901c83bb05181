// What a screen reader hears of the input fields: the caption the sighted
// user reads, through the caption's buddy, with no visible text changed.
// (The layout test holds every control's name to the window design.)

#include <QAccessible>
#include <QLabel>

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
    void each_input_field_is_named_by_its_caption_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::newRow("bullet") << "txtBulwt"
                                << "Label1";
        QTest::newRow("powder") << "txtPdrchg"
                                << "Label2";
        QTest::newRow("velocity") << "txtVel"
                                  << "Label3";
        QTest::newRow("gun") << "txtGunwt"
                             << "Label4";
        QTest::newRow("caliber") << "txtCalib"
                                 << "Label14";
    }
    void each_input_field_is_named_by_its_caption()
    {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        WindowFixture f;
        auto* label = f.control<QLabel>(qPrintable(caption));
        QCOMPARE(label->buddy(), f.control(qPrintable(field)));
        QCOMPARE(AccessibleName(f.control(qPrintable(field))), label->text());
        QCOMPARE(AccessibleRole(f.control(qPrintable(field))), QAccessible::EditableText);
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
