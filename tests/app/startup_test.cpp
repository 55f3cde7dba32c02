// Start-up, the presence watch, the end of the program and the window frame.
#include "app_test_support.h"

#include "blackscroller.h"
#include "camerapaths.h"
#include "config_io.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void findsTheCameraBesideTheBundle_data();
    void findsTheCameraBesideTheBundle();
    void missingCameraIsReportedAndEndsStartUp();
    void aFolderNamedActionConfigIsNoCamera();
    void opensOnTheGeneralPageWithoutWritingTheFile();
    void emptyFileSelectsNothing();
    void fileVanishingAfterTheCheckFallsBackToDefaultsUntilLoaded();
    void watchEndsTheProgramSoonAfterTheFileIsGone();
    void closingTheWindowEndsTheProgramWithoutAlert();
    void navigationFollowsTheMenu_data();
    void navigationFollowsTheMenu();
    void dateSetAndBackResetTheirPictures();
    void initialPaintMarksEveryGroupFromTheRecord();
};

void StartupTest::findsTheCameraBesideTheBundle_data() {
    QTest::addColumn<QString>("startPath");
    QTest::addColumn<QString>("configPath");
    QTest::newRow("macOS bundle") << "/Volumes/CAM/vantorelle.app/Contents/MacOS/vantorelle"
                                  << "/Volumes/CAM/ActionConfig";
    QTest::newRow("folder bundle") << "/media/u/CAM/vantorelle.app/vantorelle"
                                   << "/media/u/CAM/ActionConfig";
    QTest::newRow("marker twice") << "/a/vantorelle.app/b/vantorelle.app/vantorelle"
                                  << "/a/ActionConfig";
    QTest::newRow("no marker") << "/opt/other/vantorelle"
                               << "/opt/other/vantorelle/ActionConfig";
    QTest::newRow("other bundle name") << "/Volumes/CAM/vantorelle2.app/vantorelle"
                                       << "/Volumes/CAM/vantorelle2.app/vantorelle/ActionConfig";
}

void StartupTest::findsTheCameraBesideTheBundle() {
    QFETCH(QString, startPath);
    QFETCH(QString, configPath);
    QCOMPARE(QString::fromStdString(configPathFor(startPath.toStdString())), configPath);
}

void StartupTest::missingCameraIsReportedAndEndsStartUp() {
    const CameraVolume volume(kFullConfig);
    volume.removeConfig();
    FakeDesktop desktop;
    QVERIFY(startProgram(volume.startPath(), desktop) == nullptr);
    QCOMPARE(desktop.alerts.size(), 1);
    QCOMPARE(desktop.alerts[0].informativeText,
             QStringLiteral("Connection failed.  Please connect your camera."));
    QCOMPARE(desktop.alerts[0].defaultButton, QStringLiteral("OK"));
    QVERIFY(desktop.alerts[0].messageText.isEmpty());
    QVERIFY(!QFile::exists(volume.configPath()));
}

void StartupTest::aFolderNamedActionConfigIsNoCamera() {
    const CameraVolume volume(kFullConfig);
    volume.removeConfig();
    QVERIFY(QDir().mkdir(volume.configPath()));
    FakeDesktop desktop;
    QVERIFY(startProgram(volume.startPath(), desktop) == nullptr);
    QCOMPARE(desktop.alerts.size(), 1);
}

void StartupTest::opensOnTheGeneralPageWithoutWritingTheFile() {
    const QByteArray loose = "# written by hand\n  [1,1,2,1,1]\n" + kFullConfig.mid(28);
    const CameraVolume volume(loose);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    const auto& ui = program->widgets();
    QCOMPARE(program->window()->windowTitle(), QStringLiteral("vantorelle"));
    QVERIFY(program->window()->isVisible());
    QCOMPARE(program->currentPage(), ui.generalView);
    QCOMPARE(ui.generalView->geometry(), QRect(20, 156, 520, 250));
    QVERIFY(!ui.photoView->isVisible() && !ui.videoView->isVisible() &&
            !ui.dateSetView->isVisible());
    QCOMPARE(ui.setBarView->geometry(), QRect(35, 76, 500, 50));
    QVERIFY(ui.setBarView->isVisible());
    QCOMPARE(ui.buttonGeneralUI->imageName(), QStringLiteral("menuright_on.png"));
    QCOMPARE(ui.buttonGeneralUI->titleColor(), BlackScroller::selectedTitleColor());
    QCOMPARE(ui.buttonPhotoUI->imageName(), QStringLiteral("menuleft.png"));
    QCOMPARE(ui.buttonVideoUI->titleColor(), BlackScroller::greyTitleColor());
    QCOMPARE(program->settings().photoResolution, 2);
    QCOMPARE(desktop.alerts.size(), 0);
    QCOMPARE(volume.config(), loose);
}

void StartupTest::emptyFileSelectsNothing() {
    const CameraVolume volume("");
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    const tagSetting& s = program->settings();
    QCOMPARE(s.photoResolution, 0);
    QCOMPARE(s.year, 0);
    QCOMPARE(s.timeLapseValue, 0);
    QCOMPARE(s.isInit, 0);
    const auto& ui = program->widgets();
    for (BlackScroller* b : {ui.button16MP, ui.buttonSingle, ui.button1080P, ui.buttonPAL,
                             ui.button50HZ, ui.buttonAuto1, ui.buttonAutoOFF}) {
        QVERIFY2(!b->ifSelect(), qPrintable(b->objectName()));
    }
    // With no date in the record the pickers start from the computer's clock.
    QCOMPARE(ui.date->date(), desktop.clock.date());
    QCOMPARE(volume.config(), QByteArray());
}

void StartupTest::fileVanishingAfterTheCheckFallsBackToDefaultsUntilLoaded() {
    const CameraVolume volume(kFullConfig);
    // The camera check opens the file; the load right after it fails.
    static int opens = 0;
    opens = 0;
    config_io::Ops ops = config_io::systemOps();
    ops.openRead = [](const char* path) {
        if (++opens == 2) {
            errno = ENOENT;
            return -1;
        }
        return config_io::systemOps().openRead(path);
    };
    std::unique_ptr<Tavik_CamAppDelegate> program;
    FakeDesktop desktop;
    {
        const config_io::ScopedOps failingLoad(ops);
        program = startProgram(volume.startPath(), desktop);
    }
    QVERIFY(program != nullptr);
    QVERIFY(!program->settingsLoaded());
    const tagSetting& s = program->settings();
    QCOMPARE(s.photoResolution, 1);
    QCOMPARE(s.tvType, 2);
    QCOMPARE(s.autoOffTime, 2);
    QCOMPARE(s.year, 2013);
    QCOMPARE(s.autoRot, 0);
    const auto& ui = program->widgets();
    QVERIFY(ui.button16MP->ifSelect());
    QVERIFY(ui.buttonNTSC->ifSelect());
    // A click loads the file the start could not load, shows it and saves the click's change
    // into it, never in place of it.
    program->MouseClickOnBtnPAL();
    QVERIFY(program->settingsLoaded());
    QVERIFY(ui.buttonPAL->ifSelect() && !ui.buttonNTSC->ifSelect());
    QCOMPARE(volume.config(), kFullConfig);
    program->MouseClickOnBtnFormatOK();
    QCOMPARE(volume.config(), kFullConfig + "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n");
}

void StartupTest::watchEndsTheProgramSoonAfterTheFileIsGone() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    QTest::qWait(150);
    QCOMPARE(ended.count(), 0);
    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(volume.removeConfig());
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 2000);
    QVERIFY2(elapsed.elapsed() < 250, qPrintable(QString::number(elapsed.elapsed())));
    QVERIFY(!program->window()->isVisible());
    QCOMPARE(desktop.alerts.size(), 0);
    QTest::qWait(250);
    QCOMPARE(ended.count(), 1);
}

void StartupTest::closingTheWindowEndsTheProgramWithoutAlert() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    program->window()->close();
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(desktop.alerts.size(), 0);
    QCOMPARE(volume.config(), kFullConfig);
}

void StartupTest::navigationFollowsTheMenu_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<bool>("barShown");
    QTest::newRow("start") << QStringList{} << "generalView"
                           << "buttonGeneralUI" << true;
    QTest::newRow("photo") << QStringList{"buttonPhotoUI"} << "photoView"
                           << "buttonPhotoUI" << true;
    QTest::newRow("photo video photo")
        << QStringList{"buttonPhotoUI", "buttonVideoUI", "buttonPhotoUI"} << "photoView"
        << "buttonPhotoUI" << true;
    QTest::newRow("photo twice") << QStringList{"buttonPhotoUI", "buttonPhotoUI"} << "photoView"
                                 << "buttonPhotoUI" << true;
    QTest::newRow("video general")
        << QStringList{"buttonVideoUI", "buttonGeneralUI"} << "generalView"
        << "buttonGeneralUI" << true;
    QTest::newRow("date set") << QStringList{"buttonAutoDateSet"} << "dateSetView"
                              << "buttonGeneralUI" << false;
    QTest::newRow("date set back")
        << QStringList{"buttonAutoDateSet", "buttonAutoBack"} << "generalView"
        << "buttonGeneralUI" << true;
    QTest::newRow("date set ok") << QStringList{"buttonAutoDateSet", "buttonAutoDateOK"}
                                 << "generalView"
                                 << "buttonGeneralUI" << true;
}

void StartupTest::navigationFollowsTheMenu() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, page);
    QFETCH(QString, marked);
    QFETCH(bool, barShown);
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QWidget* window = program->window();
    for (const QString& name : clicks) {
        auto* button = window->findChild<BlackScroller*>(name);
        QVERIFY2(button != nullptr && button->isVisible(), qPrintable(name));
        clickButton(button);
    }
    QCOMPARE(program->currentPage()->objectName(), page);
    int shownPages = 0;
    for (const char* name : {"generalView", "photoView", "videoView", "dateSetView"}) {
        shownPages += window->findChild<QWidget*>(QLatin1String(name))->isVisible() ? 1 : 0;
    }
    QCOMPARE(shownPages, 1);
    QCOMPARE(program->widgets().setBarView->isVisible(), barShown);
    for (const char* name : {"buttonPhotoUI", "buttonVideoUI", "buttonGeneralUI"}) {
        auto* menu = window->findChild<BlackScroller*>(QLatin1String(name));
        const bool isMarked = marked == QLatin1String(name);
        QCOMPARE(menu->imageName().endsWith(QLatin1String("_on.png")), isMarked);
        QCOMPARE(menu->titleColor(),
                 isMarked ? BlackScroller::selectedTitleColor() : BlackScroller::greyTitleColor());
    }
    const QRect frames[] = {QRect(20, 156, 520, 250), QRect(20, 151, 500, 200),
                            QRect(20, 136, 500, 200), QRect(25, 66, 505, 360)};
    const QWidget* pages[] = {program->widgets().generalView, program->widgets().photoView,
                              program->widgets().videoView, program->widgets().dateSetView};
    for (int i = 0; i < 4; ++i) {
        if (pages[i] == program->currentPage()) {
            QCOMPARE(pages[i]->geometry(), frames[i]);
        }
    }
}

void StartupTest::dateSetAndBackResetTheirPictures() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    hover(ui.buttonAutoDateSet);
    QCOMPARE(ui.buttonAutoDateSet->imageName(), QStringLiteral("single_hold.png"));
    QTest::mouseClick(ui.buttonAutoDateSet, Qt::LeftButton);
    hover(ui.buttonAutoBack);
    QTest::mouseClick(ui.buttonAutoBack, Qt::LeftButton);
    QCOMPARE(program->currentPage(), ui.generalView);
    QCOMPARE(ui.buttonAutoDateSet->imageName(), QStringLiteral("single.png"));
    QCOMPARE(ui.buttonAutoBack->imageName(), QStringLiteral("single.png"));
    // Back while another page is shown only shows the menu bar again.
    clickButton(ui.buttonVideoUI);
    program->MouseClickOnBtnBack();
    QCOMPARE(program->currentPage(), ui.videoView);
    QVERIFY(ui.setBarView->isVisible());
}

void StartupTest::initialPaintMarksEveryGroupFromTheRecord() {
    const CameraVolume volume("[1,1,4,3,3,0,0,0,0,0,0,0,0]\n"
                              "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n"
                              "[1,3,2,3,1,3,31,7,50,6,7,8,2,]\n");
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    const struct {
        BlackScroller* button;
        const char* picture;
    } selected[] = {
        {ui.buttonVGA, "right_on.png"},    {ui.buttonTimeLapse, "right_on.png"},
        {ui.button960P, "right_on.png"},   {ui.button720P30, "right_on.png"},
        {ui.buttonNTSC, "right_on.png"},   {ui.buttonAuto, "single_on.png"},
        {ui.buttonAutoOFF, "left_on.png"}, {ui.buttonAutoRotOn, "onoff_right_on.png"},
    };
    for (const auto& entry : selected) {
        QVERIFY2(entry.button->ifSelect(), qPrintable(entry.button->objectName()));
        QCOMPARE(entry.button->imageName(), QLatin1String(entry.picture));
        QCOMPARE(entry.button->titleColor(), BlackScroller::selectedTitleColor());
    }
    for (BlackScroller* b :
         {ui.button16MP, ui.button5MP, ui.button3MP, ui.buttonSingle, ui.buttonBurst,
          ui.button1080P, ui.button720P60, ui.buttonPAL, ui.button50HZ, ui.button60HZ,
          ui.buttonAuto1, ui.buttonAuto3, ui.buttonAutoRotOff}) {
        QVERIFY2(!b->ifSelect(), qPrintable(b->objectName()));
        QVERIFY2(!b->imageName().contains(QLatin1String("_on")), qPrintable(b->objectName()));
    }
    QCOMPARE(program->settings().isInit, 0);
    QCOMPARE(ui.calender->selectedDate(), QDate(2020, 7, 31));
    QCOMPARE(ui.date->date(), QDate(2020, 7, 31));
    QCOMPARE(ui.timePicker->time(), QTime(6, 7, 8));
    QCOMPARE(ui.clock->time(), QTime(6, 7, 8));
    // Time-lapse stored: the interval box is on the page with the stored entry.
    QVERIFY(ui.timeLipse->isVisibleTo(ui.photoView));
    QCOMPARE(ui.timeLipse->geometry(), QRect(390, 141, 75, 26));
    QCOMPARE(ui.timeLipse->currentIndex(), 2);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
