#include <QtTest>

#include <CoreEnums.h>

#include <app/Settings.h>

#include <ZOT_MessageHandler.h>

#include <memory>
#include <sstream>

namespace {

// Collects error lines instead of writing them to the console.
class CapturingHandler : public ZOT::MessageHandler {
public:
    std::string console;

protected:
    void writeConsole(const std::string &text, int) override { console += text; }
};

} // namespace

// The settings object on INI stores in a temporary directory; standard paths in test mode.
class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void decodeFrames_data();
    void decodeFrames();
    void encodeFrames();
    void missingKeysGiveDefaults();
    void layerWidthUnit_data();
    void layerWidthUnit();
    void heatFlowDirectionOutOfRange();
    void keyLayout();
    void roundTrip();
    void lastProjectFileIsFileToOpen();
    void parseCommandLine_data();
    void parseCommandLine();
    void helpOutput();
    void userDataDir();
    void userMaterialsDirCreatesDefault();
    void userMaterialsDirKeepsChosenDirectory();
    void userMaterialsDirReportsFailure();

private:
    std::unique_ptr<QSettings> store(const QString &name);

    QTemporaryDir m_dir;
};

std::unique_ptr<QSettings> tst_Settings::store(const QString &name) {
    return std::make_unique<QSettings>(m_dir.filePath(name + ".ini"), QSettings::IniFormat);
}

void tst_Settings::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("VarnholtTest");
    QCoreApplication::setApplicationName("tst_Settings");
    QVERIFY(m_dir.isValid());
}

void tst_Settings::decodeFrames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSet<int>>("frames");
    QTest::newRow("fourteen zeros keep the footer") << "0 0 0 0 0 0 0 0 0 0 0 0 0 0 " << QSet<int>({1});
    QTest::newRow("default text") << "1 1 1 1 1 1 1 1 1 1 0 1 0 0 " << QSet<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11});
    QTest::newRow("empty text means the default") << "" << QSet<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11});
    QTest::newRow("short text selects only among its ids") << "0 0 1 1" << QSet<int>({1, 2, 3});
    QTest::newRow("single digit") << "1" << QSet<int>({0, 1});
    QTest::newRow("text that is no number deselects") << "a 1 b 1 " << QSet<int>({1, 3});
    QTest::newRow("double blank counts as an empty entry") << "1  1" << QSet<int>({0, 1, 2});
    QTest::newRow("entries after the fourteenth are ignored")
        << "0 0 0 0 0 0 0 0 0 0 0 0 0 1 1 1 " << QSet<int>({1, 13});
}

void tst_Settings::decodeFrames() {
    QFETCH(QString, text);
    QFETCH(QSet<int>, frames);
    QCOMPARE(Settings::decodeFrames(text), frames);
}

void tst_Settings::encodeFrames() {
    QCOMPARE(Settings::encodeFrames({}), QString("0 0 0 0 0 0 0 0 0 0 0 0 0 0 "));
    QCOMPARE(Settings::encodeFrames({0, 13, 20, -1}), QString("1 0 0 0 0 0 0 0 0 0 0 0 0 1 "));
    const QString defaults = "1 1 1 1 1 1 1 1 1 1 0 1 0 0 ";
    QCOMPARE(Settings::encodeFrames(Settings::decodeFrames(defaults)), defaults);
}

void tst_Settings::missingKeysGiveDefaults() {
    Settings s;
    s.m_lastProjectFile = "a.v2p";
    s.m_languageID = "de";
    s.m_awInSeconds = true;
    s.m_recentProjects = QStringList{"a.v2p"};
    s.m_defaultRestartMode = 0;
    s.m_layerWidthUnit = 10;
    s.m_userMaterialsDirectory = "/somewhere";
    s.m_defaultProjectInformation.m_company = "Company";
    s.m_defaultProjectInformation.m_heatFlowDirection = HeatFlowDirection::Upwards;
    s.m_defaultFrames = {5};
    s.m_pageNumbersVisible = true;
    s.m_defaultUserLogo.m_size = 40;
    s.m_reportSettings.m_frsiCheck = true;
    auto empty = store("empty");
    s.read(*empty);

    QVERIFY(s.m_lastProjectFile.isEmpty());
    QVERIFY(s.m_languageID.isEmpty());
    QCOMPARE(s.m_awInSeconds, false);
    QVERIFY(s.m_recentProjects.isEmpty());
    QCOMPARE(s.m_defaultRestartMode, 1);
    QCOMPARE(s.m_layerWidthUnit, 1000);
    QVERIFY(s.m_userMaterialsDirectory.isEmpty());
    QVERIFY(s.m_defaultProjectInformation == ProjectInformation());
    QCOMPARE(s.m_defaultProjectInformation.m_heatFlowDirection, HeatFlowDirection::Horizontal);
    QCOMPARE(s.m_defaultFrames, QSet<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));
    QCOMPARE(s.m_pageNumbersVisible, false);
    QVERIFY(s.m_defaultUserLogo == UserLogoSettings());
    QVERIFY(s.m_reportSettings == ReportSettings());
}

void tst_Settings::layerWidthUnit_data() {
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("unit");
    QTest::newRow("m") << QVariant(1) << 1;
    QTest::newRow("dm") << QVariant(10) << 10;
    QTest::newRow("cm") << QVariant(100) << 100;
    QTest::newRow("mm") << QVariant(1000) << 1000;
    QTest::newRow("zero would divide by zero") << QVariant(0) << 1000;
    QTest::newRow("unknown factor") << QVariant(7) << 1000;
    QTest::newRow("negative") << QVariant(-100) << 1000;
    QTest::newRow("not a number") << QVariant("mm") << 1000;
}

void tst_Settings::layerWidthUnit() {
    QFETCH(QVariant, stored);
    QFETCH(int, unit);
    auto st = store(QString("unit_%1").arg(QTest::currentDataTag()));
    st->setValue("ProjectDefaults/DefaultLayerWidthUnit", stored);
    Settings s;
    s.read(*st);
    QCOMPARE(s.m_layerWidthUnit, unit);
}

void tst_Settings::heatFlowDirectionOutOfRange() {
    auto st = store("heatflow");
    st->setValue("ProjectDefaults/DefaultProjectSettings/HeatFlowDirection", 1);
    Settings s;
    s.read(*st);
    QCOMPARE(s.m_defaultProjectInformation.m_heatFlowDirection, HeatFlowDirection::Downwards);
    st->setValue("ProjectDefaults/DefaultProjectSettings/HeatFlowDirection", 3);
    s.read(*st);
    QCOMPARE(s.m_defaultProjectInformation.m_heatFlowDirection, HeatFlowDirection::Horizontal);
}

void tst_Settings::keyLayout() {
    Settings s;
    s.m_lastProjectFile = "last.v2p";
    s.m_defaultProjectInformation.m_userName = "Name";
    s.m_defaultUserLogo.m_path = "logo.png";
    s.m_reportSettings.m_userLogo.m_path = "report.png";
    auto st = store("layout");
    s.write(*st);
    QCOMPARE(st->value("LastProjectFile").toString(), QString("last.v2p"));
    QVERIFY(st->contains("LanguageID"));
    QCOMPARE(st->value("ProjectDefaults/DefaultRestartMode").toInt(), 1);
    QCOMPARE(st->value("ProjectDefaults/DefaultLayerWidthUnit").toInt(), 1000);
    QCOMPARE(st->value("ProjectDefaults/ProjectDefaultFrames").toString(), QString("1 1 1 1 1 1 1 1 1 1 0 1 0 0 "));
    QCOMPARE(st->value("ProjectDefaults/DefaultProjectSettings/UserName").toString(), QString("Name"));
    QCOMPARE(st->value("ProjectDefaults/DefaultProjectSettings/HeatFlowDirection").toInt(), 2);
    QCOMPARE(st->value("ProjectDefaults/CurrentUserLogoPath").toString(), QString("logo.png"));
    QCOMPARE(st->value("ReportSettings/CurrentUserLogoPath").toString(), QString("report.png"));
    QVERIFY(st->contains("ReportSettings/ActivatedFrames"));
    QVERIFY(!st->contains("DefaultProjectSettings/UserName"));
}

void tst_Settings::roundTrip() {
    Settings s;
    s.m_lastProjectFile = "/home/user/Projekte/Wand äöü.v2p";
    s.m_languageID = "de";
    s.m_awInSeconds = true;
    s.m_recentProjects = QStringList{"/a/b.v2p", "/c, with comma.v2p"};
    s.m_defaultRestartMode = 0;
    s.m_layerWidthUnit = 100;
    s.m_lastExportFile = "/tmp/export.png";
    s.m_userMaterialsDirectory = "/data/materials";
    s.m_defaultProjectInformation.m_projectName = "Project";
    s.m_defaultProjectInformation.m_constructionID = "W-01";
    s.m_defaultProjectInformation.m_userName = "User";
    s.m_defaultProjectInformation.m_company = "Company";
    s.m_defaultProjectInformation.m_description = "Line 1\nLine 2";
    s.m_defaultProjectInformation.m_disclaimerText = "<p>Remarks</p>";
    s.m_defaultProjectInformation.m_heatFlowDirection = HeatFlowDirection::Downwards;
    s.m_defaultFrames = {1, 3, 12, 13};
    s.m_pageNumbersVisible = true;
    s.m_defaultUserLogo.m_position = 2;
    s.m_defaultUserLogo.m_path = "logo.png";
    s.m_defaultUserLogo.m_widthSetting = false;
    s.m_defaultUserLogo.m_size = 80;
    s.m_reportSettings.m_frames = {0, 1, 13};
    s.m_reportSettings.m_dryingReserve = 0.1;
    {
        auto st = store("roundtrip");
        s.write(*st);
    }
    auto st = store("roundtrip");
    Settings loaded;
    loaded.read(*st);
    QCOMPARE(loaded.m_lastProjectFile, s.m_lastProjectFile);
    QCOMPARE(loaded.m_languageID, s.m_languageID);
    QCOMPARE(loaded.m_awInSeconds, true);
    QCOMPARE(loaded.m_recentProjects, s.m_recentProjects);
    QCOMPARE(loaded.m_defaultRestartMode, 0);
    QCOMPARE(loaded.m_layerWidthUnit, 100);
    QCOMPARE(loaded.m_lastExportFile, s.m_lastExportFile);
    QCOMPARE(loaded.m_userMaterialsDirectory, s.m_userMaterialsDirectory);
    QCOMPARE(loaded.m_defaultProjectInformation.m_description, s.m_defaultProjectInformation.m_description);
    QVERIFY(loaded.m_defaultProjectInformation == s.m_defaultProjectInformation);
    QCOMPARE(loaded.m_defaultFrames, s.m_defaultFrames);
    QCOMPARE(loaded.m_pageNumbersVisible, true);
    QVERIFY(loaded.m_defaultUserLogo == s.m_defaultUserLogo);
    QCOMPARE(loaded.m_reportSettings.m_frames, s.m_reportSettings.m_frames);
    QVERIFY(loaded.m_reportSettings == s.m_reportSettings);
}

void tst_Settings::lastProjectFileIsFileToOpen() {
    auto st = store("lastfile");
    st->setValue("LastProjectFile", "/p/last.v2p");
    Settings s;
    s.read(*st);
    QCOMPARE(s.m_projectFileToOpen, QString("/p/last.v2p"));
    QVERIFY(s.parseCommandLine({"prog", "other.v2p"}));
    QCOMPARE(s.m_projectFileToOpen, QString("other.v2p"));
    QCOMPARE(s.m_lastProjectFile, QString("/p/last.v2p"));
}

void tst_Settings::parseCommandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("splash");
    QTest::newRow("no arguments") << QStringList{"prog"} << true << "stored.v2p"
                                  << "" << true;
    QTest::newRow("program name is no file") << QStringList{"prog.v2p"} << true << "stored.v2p"
                                             << "" << true;
    QTest::newRow("no splash") << QStringList{"prog", "--no-splash"} << true << "stored.v2p"
                               << "" << false;
    QTest::newRow("language") << QStringList{"prog", "--lang=de"} << true << "stored.v2p"
                              << "de" << true;
    QTest::newRow("language without equals sign") << QStringList{"prog", "--lang"} << true << "stored.v2p"
                                                  << "" << true;
    QTest::newRow("language after the first equals sign")
        << QStringList{"prog", "--language=fr=x"} << true << "stored.v2p"
        << "fr=x" << true;
    QTest::newRow("empty language") << QStringList{"prog", "--lang="} << true << "stored.v2p"
                                    << "" << true;
    QTest::newRow("unknown option ignored") << QStringList{"prog", "-x", "--verbose"} << true << "stored.v2p"
                                            << "" << true;
    QTest::newRow("file trimmed") << QStringList{"prog", "  wall.v2p "} << true << "wall.v2p"
                                  << "" << true;
    QTest::newRow("last file wins") << QStringList{"prog", "a.v2p", "--no-splash", "b.v2p"} << true << "b.v2p"
                                    << "" << false;
    QTest::newRow("help ends the program") << QStringList{"prog", "--help"} << false << "stored.v2p"
                                           << "" << true;
    QTest::newRow("help stops the evaluation") << QStringList{"prog", "a.v2p", "--help", "b.v2p"} << false << "a.v2p"
                                               << "" << true;
}

void tst_Settings::parseCommandLine() {
    QFETCH(QStringList, args);
    QFETCH(bool, goOn);
    QFETCH(QString, file);
    QFETCH(QString, language);
    QFETCH(bool, splash);
    Settings s;
    s.m_projectFileToOpen = "stored.v2p";
    s.m_languageID = "en";
    std::ostringstream out;
    QCOMPARE(s.parseCommandLine(args, out), goOn);
    QCOMPARE(s.m_projectFileToOpen, file);
    QCOMPARE(s.m_commandLineLanguage, language);
    QCOMPARE(s.m_showSplash, splash);
    QCOMPARE(s.m_languageID, QString("en"));
    QCOMPARE(out.str().empty(), goOn);
}

void tst_Settings::helpOutput() {
    Settings s;
    std::ostringstream out;
    QVERIFY(!s.parseCommandLine({"prog", "--help"}, out));
    QCOMPARE(QString::fromStdString(out.str()),
             QString("Vapro 2 Command Line Syntax:\n\n  --help  \n  --no-splash  \n  --lang=<language ID>  \n"));
}

void tst_Settings::userDataDir() {
    const QString dir = Settings::userDataDir();
    QVERIFY2(dir.endsWith("/Hygrolux2"), qPrintable(dir));
    QVERIFY2(!dir.contains(".."), qPrintable(dir));
    const QString appDir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QCOMPARE(QDir(appDir + "/..").absoluteFilePath("Hygrolux2"), dir);
}

void tst_Settings::userMaterialsDirCreatesDefault() {
    const QString expected = QDir::toNativeSeparators(Settings::userDataDir() + "/user_materials");
    QDir(expected).removeRecursively();
    QVERIFY(!QDir(expected).exists());
    Settings s;
    QCOMPARE(s.userMaterialsDir(), expected);
    QVERIFY(QDir(expected).exists());
    QVERIFY(s.m_userMaterialsDirectory.isEmpty());
    QCOMPARE(s.userMaterialsDir(), expected);
}

void tst_Settings::userMaterialsDirKeepsChosenDirectory() {
    Settings s;
    s.m_userMaterialsDirectory = m_dir.filePath("not/yet/there");
    QCOMPARE(s.userMaterialsDir(), s.m_userMaterialsDirectory);
    QVERIFY(!QDir(s.m_userMaterialsDirectory).exists());
}

void tst_Settings::userMaterialsDirReportsFailure() {
    // A plain file where the user data directory should be makes the creation fail.
    const QString dataDir = Settings::userDataDir();
    QDir(dataDir).removeRecursively();
    QVERIFY(QDir().mkpath(QFileInfo(dataDir).path()));
    QFile blocker(dataDir);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    CapturingHandler handler;
    handler.setTimeStampFormat("");
    ZOT::MessageHandler *previous = ZOT::MessageHandlerRegistry::instance().messageHandler();
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(&handler);
    Settings s;
    const QString dir = s.userMaterialsDir();
    ZOT::MessageHandlerRegistry::instance().setMessageHandler(previous);
    QFile::remove(dataDir);

    QCOMPARE(dir, QDir::toNativeSeparators(dataDir + "/user_materials"));
    const QString console = QString::fromStdString(handler.console);
    QVERIFY2(console.contains("Settings::userMaterialsDir"), qPrintable(console));
    QVERIFY2(console.contains("[Error   ]"), qPrintable(console));
    QVERIFY2(console.contains("Cannot create user material directory '" + QDir(dir).absolutePath()),
             qPrintable(console));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
