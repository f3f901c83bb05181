// Populate List through the window: the summary lands in the list box, and a
// failure is reported without losing a gathered line.

#include "window_fixture.h"

class PopulateCommandTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void each_click_appends_the_current_loads_summary()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.field("txtCalib")->setText(".308");
        f.click("cmdCalc");
        f.click("cmdPopulate");
        f.click("cmdPopulate");
        const QStringList lines = f.listLines();
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines.mid(0, 8),
                 QStringList({"Cartridge  .308", "", "150  Bullet Weight Grains",
                              "50  Powder Charge Grains", "2800  Velocity FPS",
                              "8  Gun Weight Pounds", "17.01  Recoil Foot Pounds Free Energy",
                              "2611.9  Muzzle Energy Foot Pounds"}));
        QCOMPARE(lines.mid(8), lines.mid(0, 8));
        QCOMPARE(f.list()->selectedItems().size(), 0);
        QVERIFY(f.presenter->errors.empty());
    }

    void a_comma_locale_keeps_the_fraction_of_a_result()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowFixture f;
        f.typeLoad("150", "50", "2800,5", "8");
        f.click("cmdCalc");
        f.click("cmdPopulate");
        QCOMPARE(f.listLines().at(4), QStringLiteral("2800,5  Velocity FPS"));
        QCOMPARE(f.listLines().at(6), QStringLiteral("17,01  Recoil Foot Pounds Free Energy"));
    }

    void a_failure_is_reported_and_every_gathered_line_stays()
    {
        WindowFixture f;
        f.click("cmdPopulate");
        f.field("txtGunwt")->setText("9e999");
        f.click("cmdPopulate");
        QCOMPARE(f.presenter->errors.size(), std::size_t(1));
        QCOMPARE(f.presenter->errors[0].kind, tolbrek::FailureKind::Overflow);
        // The first block, and the second up to the velocity line.
        QCOMPARE(f.list()->count(), 8 + 5);
        QCOMPARE(f.field("txtGunwt")->text(), QStringLiteral("9e999"));
        f.field("txtGunwt")->setText("8");
        f.click("cmdPopulate");
        QCOMPARE(f.list()->count(), 8 + 5 + 8);
    }
};

QTEST_MAIN(PopulateCommandTest)
#include "populate_command_test.moc"
