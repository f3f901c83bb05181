// Clear All readies the fields for the next load and touches nothing else.

#include "window_fixture.h"

class ClearTest : public QObject {
    Q_OBJECT

private slots:
    void empties_the_seven_fields_and_keeps_the_list_and_the_focus()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.field("txtCalib")->setText(".308");
        f.click("cmdCalc");
        f.click("cmdPopulate");
        f.field("txtVel")->setFocus();
        const QStringList gathered = f.listLines();

        f.window->cmdClear_Click();
        for (const char* name :
             {"txtBulwt", "txtPdrchg", "txtVel", "txtGunwt", "txtCaluc", "txtEnergy", "txtCalib"}) {
            QVERIFY2(f.field(name)->text().isEmpty(), name);
        }
        QCOMPARE(f.listLines(), gathered);
        QCOMPARE(QApplication::focusWidget(), f.field("txtVel"));
        QVERIFY(f.presenter->messages.isEmpty());
        QVERIFY(f.presenter->errors.empty());
    }

    void after_clear_all_the_next_load_starts_from_empty_fields()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        f.click("cmdClear");
        f.click("cmdClear");  // clearing empty fields changes nothing
        f.click("cmdPopulate");
        QCOMPARE(f.listLines().first(), QStringLiteral("Cartridge  "));
        QCOMPARE(f.listLines().last(), QStringLiteral("0  Muzzle Energy Foot Pounds"));
        f.click("cmdCalc");
        QCOMPARE(f.presenter->messages.size(), 4);
    }
};

QTEST_MAIN(ClearTest)
#include "clear_test.moc"
