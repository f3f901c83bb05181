// What a screen reader hears: every field and panel has a name, taken from
// the caption the sighted user reads, with no visible text changed.

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

    void results_list_and_panels_are_named_after_what_they_show()
    {
        WindowFixture f;
        QCOMPARE(AccessibleName(f.control("txtCaluc")),
                 QStringLiteral("Free Recoil Energy Calculated (LbFt)"));
        QCOMPARE(AccessibleName(f.control("txtEnergy")),
                 QStringLiteral("Muzzle Energy Calculated (LbFt)"));
        QCOMPARE(AccessibleName(f.control("List1")), QStringLiteral("Load List"));
        QCOMPARE(AccessibleRole(f.control("List1")), QAccessible::List);
        QVERIFY(AccessibleName(f.control("Text1")).startsWith("Help"));
        QVERIFY(AccessibleName(f.control("Text2")).startsWith("Note"));
    }

    void buttons_are_named_by_their_captions()
    {
        WindowFixture f;
        QCOMPARE(AccessibleName(f.control("cmdCalc")), QStringLiteral("Calculate"));
        QCOMPARE(AccessibleName(f.control("cmdClear")), QStringLiteral("Clear All"));
        QCOMPARE(AccessibleName(f.control("cmdPopulate")), QStringLiteral("Populate List"));
        QCOMPARE(AccessibleName(f.control("cmdSave")), QStringLiteral("Save Data"));
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
