// The Calculate command: warnings for empty fields in order, both results
// always rewritten, failures skipped silently.

#include "window_fixture.h"

class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void shows_both_results_of_a_complete_load()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        QVERIFY(f.presenter->messages.isEmpty());
        QCOMPARE(f.field("txtCaluc")->text(), QStringLiteral("17.01   Ft. Lb."));
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("2611.9  Ft. Lb."));
    }

    void warns_about_each_empty_field_in_order_and_still_writes_both_results()
    {
        WindowFixture f;
        f.field("txtCaluc")->setText("old");
        f.field("txtEnergy")->setText("old");
        f.click("cmdCalc");
        QCOMPARE(f.presenter->messages,
                 QStringList({"Please Enter Bullet Weight", "Please Enter Powder Weight",
                              "Please Enter Velocity", "Please Enter Gun Weight"}));
        QCOMPARE(f.field("txtCaluc")->text(), QString());
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("  Ft. Lb."));
    }

    void an_empty_bullet_weight_still_gives_a_muzzle_energy_of_zero()
    {
        WindowFixture f;
        f.typeLoad("", "50", "2800", "8");
        f.click("cmdCalc");
        QCOMPARE(f.presenter->messages, QStringList{"Please Enter Bullet Weight"});
        QCOMPARE(f.field("txtCaluc")->text(), QString());
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("0.0  Ft. Lb."));
    }

    void a_failed_recoil_is_skipped_silently_data()
    {
        QTest::addColumn<QString>("gun");
        QTest::newRow("zero") << "0";
        QTest::newRow("with a unit") << "8 lb";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("overflowing") << "1e-320";
    }
    void a_failed_recoil_is_skipped_silently()
    {
        QFETCH(QString, gun);
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        f.field("txtGunwt")->setText(gun);
        f.click("cmdCalc");
        QVERIFY(f.presenter->messages.isEmpty());
        QCOMPARE(f.field("txtCaluc")->text(), QString());
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("2611.9  Ft. Lb."));
    }

    void a_new_click_replaces_both_results()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.click("cmdCalc");
        f.typeLoad("180", "60", "2700", "9.5");
        f.click("cmdCalc");
        QCOMPARE(f.field("txtCaluc")->text(), QStringLiteral("19.69   Ft. Lb."));
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("2914.4  Ft. Lb."));
        f.click("cmdCalc");
        QCOMPARE(f.field("txtCaluc")->text(), QStringLiteral("19.69   Ft. Lb."));
    }

    void the_caliber_plays_no_part()
    {
        WindowFixture f;
        f.typeLoad("150", "50", "2800", "8");
        f.field("txtCalib")->setText("");
        f.click("cmdCalc");
        QVERIFY(f.presenter->messages.isEmpty());
    }

    void a_comma_locale_reads_and_writes_commas()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WindowFixture f;
        f.typeLoad("150", "50", "2800,5", "8");
        f.click("cmdCalc");
        QVERIFY(f.presenter->messages.isEmpty());
        QCOMPARE(f.field("txtCaluc")->text(), QStringLiteral("17,01   Ft. Lb."));
        QCOMPARE(f.field("txtEnergy")->text(), QStringLiteral("2612,9  Ft. Lb."));
        f.field("txtVel")->setText("2800.5");
        f.click("cmdCalc");
        QCOMPARE(f.field("txtCaluc")->text(), QString());
    }
};

QTEST_MAIN(CalculateTest)
#include "calculate_test.moc"
