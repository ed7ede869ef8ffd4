#include <QtTest>

#include <model/ReportSettings.h>

#include <memory>

// Report settings on an INI store in a temporary directory, never the user's own settings.
class tst_ReportSettings : public QObject {
    Q_OBJECT
private slots:
    void missingKeysGiveDefaults();
    void activatedFrames_data();
    void activatedFrames();
    void writtenFramesText();
    void olderAccordanceKey_data();
    void olderAccordanceKey();
    void olderAccordanceKeyIsReplacedOnWrite();
    void olderLogoVisibleKey_data();
    void olderLogoVisibleKey();
    void olderLogoVisibleKeyIsReplacedOnWrite();
    void roundTrip();
    void awLimitForEdition_data();
    void awLimitForEdition();

private:
    std::unique_ptr<QSettings> newStore();

    QTemporaryDir m_dir;
    int m_storeCount = 0;
};

std::unique_ptr<QSettings> tst_ReportSettings::newStore() {
    const QString file = m_dir.filePath(QString("store%1.ini").arg(++m_storeCount));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

void tst_ReportSettings::missingKeysGiveDefaults() {
    ReportSettings changed;
    changed.m_frames = {7};
    changed.m_pageNumbersVisible = true;
    changed.m_userLogo.m_position = UserLogoSettings::LogoInHeader;
    changed.m_userLogo.m_widthSetting = false;
    changed.m_minimumHeatResVersion = 0;
    changed.m_minimumHeatResConstruction = 3;
    changed.m_DIN4108_3Accordance_Type = 0;
    changed.m_nonCapillarAw = 1;
    changed.m_capillarActiveAw = 1;
    changed.m_capillaryCheckOneSide = false;
    auto store = newStore();
    changed.read(*store);

    QCOMPARE(changed.m_frames, QSet<int>({0, 1, 2, 3, 4, 5, 9, 11, 12}));
    QCOMPARE(changed.m_pageNumbersVisible, false);
    QCOMPARE(changed.m_userLogo.m_position, int(UserLogoSettings::NoLogo));
    QCOMPARE(changed.m_userLogo.m_widthSetting, true);
    QCOMPARE(changed.m_userLogo.m_size, 0);
    QCOMPARE(changed.m_minimumHeatResVersion, 1);
    QCOMPARE(changed.m_minimumHeatResConstruction, 12);
    QCOMPARE(changed.m_frsiCheck, false);
    QCOMPARE(changed.m_dryingReserve, 0.0);
    QCOMPARE(changed.m_DIN4108_3Accordance_Type, 2);
    QCOMPARE(changed.m_nonCapillarAw, 0.0033333333333333335);
    QCOMPARE(changed.m_capillarActiveAw, 0.011666666666666665);
    QCOMPARE(changed.m_capillaryCheckOneSide, true);
    QVERIFY(changed == ReportSettings());
}

void tst_ReportSettings::activatedFrames_data() {
    QTest::addColumn<QSet<int>>("before");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QSet<int>>("after");
    const QSet<int> defaults = ReportSettings::defaultFrames();
    QSet<int> all;
    for (int id = 0; id < ReportSettings::NumFrames; ++id)
        all.insert(id);
    QTest::newRow("three numbers change only the first three frames")
        << defaults << "0 0 1" << QSet<int>({2, 3, 4, 5, 9, 11, 12});
    QTest::newRow("three numbers on an all-active set") << all << "0 0 1" << (all - QSet<int>({0, 1}));
    QTest::newRow("fourteen numbers replace the set")
        << all << "0 1 0 0 0 0 0 0 0 0 1 0 0 1 " << QSet<int>({1, 10, 13});
    QTest::newRow("entries after the fourteenth are ignored")
        << QSet<int>() << "0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1" << QSet<int>({13});
    QTest::newRow("repeated blanks are skipped") << QSet<int>() << "  1   0 1" << QSet<int>({0, 2});
    QTest::newRow("any non-zero integer activates") << QSet<int>() << "2 -1 0" << QSet<int>({0, 1});
    QTest::newRow("text that is no number deactivates") << all << "x 1.5 1" << (all - QSet<int>({0, 1}));
    QTest::newRow("empty value changes nothing") << QSet<int>({4}) << "" << QSet<int>({4});
}

void tst_ReportSettings::activatedFrames() {
    QFETCH(QSet<int>, before);
    QFETCH(QString, stored);
    QFETCH(QSet<int>, after);
    auto store = newStore();
    store->setValue("ReportSettings/ActivatedFrames", stored);
    ReportSettings rs;
    rs.m_frames = before;
    rs.read(*store);
    QCOMPARE(rs.m_frames, after);
}

void tst_ReportSettings::writtenFramesText() {
    auto store = newStore();
    ReportSettings rs;
    rs.write(*store);
    QCOMPARE(store->value("ReportSettings/ActivatedFrames").toString(), QString("1 1 1 1 1 1 0 0 0 1 0 1 1 0 "));
    rs.m_frames = {13};
    rs.write(*store);
    QCOMPARE(store->value("ReportSettings/ActivatedFrames").toString(), QString("0 0 0 0 0 0 0 0 0 0 0 0 0 1 "));
}

void tst_ReportSettings::olderAccordanceKey_data() {
    QTest::addColumn<QVariant>("older");
    QTest::addColumn<QVariant>("type");
    QTest::addColumn<int>("expected");
    QTest::newRow("older key true") << QVariant(true) << QVariant() << 2;
    QTest::newRow("older key false") << QVariant(false) << QVariant() << 3;
    QTest::newRow("older key wins over the new one") << QVariant(false) << QVariant(1) << 3;
    QTest::newRow("only the new key") << QVariant() << QVariant(0) << 0;
}

void tst_ReportSettings::olderAccordanceKey() {
    QFETCH(QVariant, older);
    QFETCH(QVariant, type);
    QFETCH(int, expected);
    auto store = newStore();
    if (older.isValid())
        store->setValue("ReportSettings/DIN4108_3Accordance", older);
    if (type.isValid())
        store->setValue("ReportSettings/DIN4108_3Accordance_Type", type);
    ReportSettings rs;
    rs.read(*store);
    QCOMPARE(rs.m_DIN4108_3Accordance_Type, expected);
}

void tst_ReportSettings::olderAccordanceKeyIsReplacedOnWrite() {
    auto store = newStore();
    store->setValue("ReportSettings/DIN4108_3Accordance", true);
    ReportSettings rs;
    rs.read(*store);
    rs.write(*store);
    QVERIFY(!store->contains("ReportSettings/DIN4108_3Accordance"));
    QCOMPARE(store->value("ReportSettings/DIN4108_3Accordance_Type").toInt(), 2);

    // A change of edition must survive the next start.
    rs.m_DIN4108_3Accordance_Type = 0;
    rs.write(*store);
    ReportSettings again;
    again.read(*store);
    QCOMPARE(again.m_DIN4108_3Accordance_Type, 0);
}

void tst_ReportSettings::olderLogoVisibleKey_data() {
    QTest::addColumn<QVariant>("visible");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");
    QTest::newRow("visible without position goes beside the project information") << QVariant(true) << 0 << 2;
    QTest::newRow("visible keeps a header position") << QVariant(true) << 1 << 1;
    QTest::newRow("not visible keeps no logo") << QVariant(false) << 0 << 0;
    QTest::newRow("no older key") << QVariant() << 0 << 0;
}

void tst_ReportSettings::olderLogoVisibleKey() {
    QFETCH(QVariant, visible);
    QFETCH(int, position);
    QFETCH(int, expected);
    auto store = newStore();
    if (visible.isValid())
        store->setValue("ReportSettings/CurrentUserLogoVisible", visible);
    store->setValue("ReportSettings/CurrentUserLogoPosition", position);
    ReportSettings rs;
    rs.read(*store);
    QCOMPARE(rs.m_userLogo.m_position, expected);
}

void tst_ReportSettings::olderLogoVisibleKeyIsReplacedOnWrite() {
    auto store = newStore();
    store->setValue("ReportSettings/CurrentUserLogoVisible", true);
    ReportSettings rs;
    rs.read(*store);
    QCOMPARE(rs.m_userLogo.m_position, int(UserLogoSettings::LogoBesideProjectInfo));

    // The user switches the logo off: it must stay off.
    rs.m_userLogo.m_position = UserLogoSettings::NoLogo;
    rs.write(*store);
    QVERIFY(!store->contains("ReportSettings/CurrentUserLogoVisible"));
    ReportSettings again;
    again.read(*store);
    QCOMPARE(again.m_userLogo.m_position, int(UserLogoSettings::NoLogo));
}

void tst_ReportSettings::roundTrip() {
    ReportSettings rs;
    rs.m_frames = {0, 6, 7, 8, 10, 13};
    rs.m_pageNumbersVisible = true;
    rs.m_userLogo.m_position = UserLogoSettings::LogoInHeader;
    rs.m_userLogo.m_path = "/tmp/logo äöü.png";
    rs.m_userLogo.m_widthSetting = false;
    rs.m_userLogo.m_size = 120;
    rs.m_printDisclaimer = true;
    rs.m_disclaimerText = "<p>Final <b>remarks</b>, with a comma</p>";
    rs.m_minimumHeatResVersion = 0;
    rs.m_minimumHeatResConstruction = 5;
    rs.m_frsiCheck = true;
    rs.m_dryingReserve = 0.25;
    rs.m_DIN4108_3Accordance_Type = 3;
    rs.m_nonCapillarAw = 0.1 / 3;
    rs.m_capillarActiveAw = 1.0 / 7;
    rs.m_capillaryCheckOneSide = false;
    {
        auto store = newStore();
        rs.write(*store);
    }
    auto store =
        std::make_unique<QSettings>(m_dir.filePath(QString("store%1.ini").arg(m_storeCount)), QSettings::IniFormat);
    ReportSettings loaded;
    loaded.read(*store);
    QCOMPARE(loaded.m_frames, rs.m_frames);
    QCOMPARE(loaded.m_userLogo.m_path, rs.m_userLogo.m_path);
    QCOMPARE(loaded.m_disclaimerText, rs.m_disclaimerText);
    QCOMPARE(loaded.m_nonCapillarAw, rs.m_nonCapillarAw);
    QVERIFY(loaded == rs);
}

void tst_ReportSettings::awLimitForEdition_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<double>("limit");
    QTest::newRow("2001") << 0 << 0.2;
    QTest::newRow("2014") << 1 << 0.5;
    QTest::newRow("2018") << 2 << 0.1;
    QTest::newRow("user defined") << 3 << 0.0;
    QTest::newRow("negative") << -1 << 0.0;
    QTest::newRow("unknown") << 4 << 0.0;
}

void tst_ReportSettings::awLimitForEdition() {
    QFETCH(int, edition);
    QFETCH(double, limit);
    QCOMPARE(ReportSettings::awLimitForEdition(edition), limit);
}

QTEST_GUILESS_MAIN(tst_ReportSettings)
#include "tst_ReportSettings.moc"
