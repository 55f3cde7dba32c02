// The settings pages driven through the real window: every click is checked on screen and in
// the exact bytes of ActionConfig.
#include "app_test_support.h"

#include "blackscroller.h"

#include <QTest>

namespace {

// A camera file written loosely by hand: any save rewrites every line canonically, so the file
// staying as it is proves that nothing was written.
const QByteArray kLooseConfig = "[1,1, 1,1,1]\n"
                                "[1,2, 1,1]\n"
                                "[1,3, 1,1,1,1,25,12,43,18,30,5,1]\n"
                                "[2,FW001]\n";

QByteArray fileWith(const QByteArray& photo, const QByteArray& video, const QByteArray& general) {
    return photo + "\n" + video + "\n" + general +
           "\n[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";
}

const QByteArray kPhoto = "[1,1,1,1,1,0,0,0,0,0,0,0,0]";
const QByteArray kVideo = "[1,2,1,1,0,0,0,0,0,0,0,0,0,]";
const QByteArray kGeneral = "[1,3,1,1,1,1,25,12,43,18,30,5,1,]";

struct Started {
    CameraVolume volume;
    FakeDesktop desktop;
    std::unique_ptr<Tavik_CamAppDelegate> program;

    explicit Started(const QByteArray& config) : volume(config) {
        program = startProgram(volume.startPath(), desktop);
    }
    const Ui::VantorelleWindow& ui() const { return program->widgets(); }
};

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

  private slots:
    void resolutionClickWritesThePhotoLine();
    void burstForces5MPAndSingleKeepsIt();
    void timeLapseShowsTheIntervalBox();
    void burstWith16MPStoredAtStartUp();
    void missingLinesAreNeverCreated();
    void videoGroupsAreIndependent();
    void generalPageGroups();
    void resetAllRestoresTheDefaults();
    void formatRequestIsAppendedOnceAndCanBeTakenBack();
    void anotherWritersChangeIsShownAndKept();
};

void PagesTest::resolutionClickWritesThePhotoLine() {
    Started s(kLooseConfig);
    clickButton(s.ui().buttonPhotoUI);
    clickButton(s.ui().button16MP);
    QCOMPARE(s.volume.config(), kLooseConfig);

    BlackScroller* chosen = s.ui().button3MP;
    hover(chosen);
    QTest::mouseClick(chosen, Qt::LeftButton);
    QVERIFY(chosen->ifSelect());
    QCOMPARE(chosen->titleColor(), BlackScroller::selectedTitleColor());
    QCOMPARE(chosen->imageName(), QStringLiteral("middle_hold.png"));
    QCOMPARE(s.ui().button16MP->imageName(), QStringLiteral("left.png"));
    QCOMPARE(s.ui().button16MP->titleColor(), BlackScroller::greyTitleColor());
    QVERIFY(!s.ui().button16MP->ifSelect());
    leave(chosen);
    QCOMPARE(chosen->imageName(), QStringLiteral("middle_on.png"));
    hover(chosen);
    QCOMPARE(chosen->imageName(), QStringLiteral("middle_hold.png"));
    leave(chosen);
    QCOMPARE(s.volume.config(), fileWith("[1,1,3,1,1,0,0,0,0,0,0,0,0]", kVideo, kGeneral));
}

void PagesTest::burstForces5MPAndSingleKeepsIt() {
    Started s(kLooseConfig);
    clickButton(s.ui().buttonPhotoUI);
    clickButton(s.ui().buttonBurst);
    QCOMPARE(s.volume.config(), fileWith("[1,1,2,2,1,0,0,0,0,0,0,0,0]", kVideo, kGeneral));
    QCOMPARE(s.ui().button5MP->imageName(), QStringLiteral("middle_on.png"));
    QCOMPARE(s.ui().button5MP->titleColor(), BlackScroller::selectedTitleColor());
    QVERIFY(s.ui().button5MP->isEnabled());
    for (BlackScroller* b : {s.ui().button16MP, s.ui().button3MP, s.ui().buttonVGA}) {
        QVERIFY(!b->isEnabled());
        QVERIFY(!b->ifSelect());
        QVERIFY(!b->imageName().contains(QLatin1String("_on")));
        QCOMPARE(b->titleColor(), BlackScroller::greyTitleColor());
    }
    clickButton(s.ui().buttonSingle);
    for (BlackScroller* b : {s.ui().button16MP, s.ui().button3MP, s.ui().buttonVGA}) {
        QVERIFY(b->isEnabled());
    }
    QCOMPARE(s.program->settings().photoResolution, 2);
    QCOMPARE(s.volume.config(), fileWith("[1,1,2,1,1,0,0,0,0,0,0,0,0]", kVideo, kGeneral));
}

void PagesTest::timeLapseShowsTheIntervalBox() {
    Started s("[1,1,3,1,2,0,0,0,0,0,0,0,0]\n");
    QComboBox* box = s.ui().timeLipse;
    QVERIFY(!box->isVisibleTo(s.ui().photoView));
    clickButton(s.ui().buttonPhotoUI);
    clickButton(s.ui().buttonTimeLapse);
    QVERIFY(box->isVisible());
    QCOMPARE(box->geometry(), QRect(390, 149, 75, 26));
    QCOMPARE(box->currentText(), QStringLiteral(" 10 sec"));
    QCOMPARE(s.volume.config(), QByteArray("[1,1,3,3,2,0,0,0,0,0,0,0,0]\n"));

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(s.program->settings().timeLapseValue, 4);
    QCOMPARE(s.volume.config(), QByteArray("[1,1,3,3,4,0,0,0,0,0,0,0,0]\n"));

    // Choosing again always rewrites, also without a change and with nothing chosen.
    s.volume.setConfig("[1,1,3,3,4]\n");
    box->setCurrentIndex(-1);
    s.program->MouseClickOnComboxTimelapse();
    QCOMPARE(s.program->settings().timeLapseValue, 4);
    QCOMPARE(s.volume.config(), QByteArray("[1,1,3,3,4,0,0,0,0,0,0,0,0]\n"));

    clickButton(s.ui().buttonBurst);
    QVERIFY(!box->isVisibleTo(s.ui().photoView));
    QCOMPARE(s.volume.config(), QByteArray("[1,1,2,2,4,0,0,0,0,0,0,0,0]\n"));
    clickButton(s.ui().buttonTimeLapse);
    QVERIFY(box->isVisible());
    QCOMPARE(box->currentIndex(), 3);
    QVERIFY(s.ui().button16MP->isEnabled());
    QCOMPARE(s.program->settings().photoResolution, 2);
}

void PagesTest::burstWith16MPStoredAtStartUp() {
    Started s("[1,1,1,2,1,0,0,0,0,0,0,0,0]\n");
    QVERIFY(s.ui().button16MP->ifSelect());
    QVERIFY(!s.ui().button16MP->isEnabled());
    QVERIFY(s.ui().button5MP->isEnabled());
    clickButton(s.ui().buttonPhotoUI);
    clickButton(s.ui().button5MP);
    QCOMPARE(s.volume.config(), QByteArray("[1,1,2,2,1,0,0,0,0,0,0,0,0]\n"));
    // Single leaves the resolution group alone: one button marked, the stored one.
    clickButton(s.ui().buttonSingle);
    int marked = 0;
    for (BlackScroller* b :
         {s.ui().button16MP, s.ui().button5MP, s.ui().button3MP, s.ui().buttonVGA}) {
        marked += b->ifSelect() ? 1 : 0;
    }
    QCOMPARE(marked, 1);
}

void PagesTest::missingLinesAreNeverCreated() {
    const QByteArray onlyFirmware = "[2,FW001,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";
    Started s(onlyFirmware);
    clickButton(s.ui().buttonPhotoUI);
    clickButton(s.ui().buttonVGA);
    clickButton(s.ui().buttonVideoUI);
    clickButton(s.ui().button960P);
    clickButton(s.ui().buttonGeneralUI);
    clickButton(s.ui().buttonNTSC);
    QVERIFY(s.ui().buttonVGA->ifSelect());
    QVERIFY(s.ui().button960P->ifSelect());
    QVERIFY(s.ui().buttonNTSC->ifSelect());
    QCOMPARE(s.program->settings().photoResolution, 4);
    QCOMPARE(s.volume.config(), onlyFirmware);
}

void PagesTest::videoGroupsAreIndependent() {
    Started s(kLooseConfig);
    clickButton(s.ui().buttonVideoUI);
    clickButton(s.ui().button1080P);
    QCOMPARE(s.volume.config(), kLooseConfig);
    clickButton(s.ui().button960P);
    QCOMPARE(s.volume.config(), fileWith(kPhoto, "[1,2,2,1,0,0,0,0,0,0,0,0,0,]", kGeneral));
    hover(s.ui().button720P30);
    QTest::mouseClick(s.ui().button720P30, Qt::LeftButton);
    QCOMPARE(s.ui().button720P30->imageName(), QStringLiteral("right_hold.png"));
    QCOMPARE(s.ui().button720P60->imageName(), QStringLiteral("left.png"));
    leave(s.ui().button720P30);
    QCOMPARE(s.ui().button720P30->imageName(), QStringLiteral("right_on.png"));
    QVERIFY(s.ui().button960P->ifSelect());
    QCOMPARE(s.ui().button960P->imageName(), QStringLiteral("right_on.png"));
    QCOMPARE(s.volume.config(), fileWith(kPhoto, "[1,2,2,2,0,0,0,0,0,0,0,0,0,]", kGeneral));
}

void PagesTest::generalPageGroups() {
    Started s(kLooseConfig);
    const auto& ui = s.ui();
    clickButton(ui.buttonPAL);
    clickButton(ui.button50HZ);
    clickButton(ui.buttonAuto1);
    clickButton(ui.buttonAutoRotOff);
    QCOMPARE(s.volume.config(), kLooseConfig);

    hover(ui.button60HZ);
    QTest::mouseClick(ui.button60HZ, Qt::LeftButton);
    QCOMPARE(ui.button50HZ->imageName(), QStringLiteral("left.png"));
    QCOMPARE(ui.button50HZ->titleColor(), BlackScroller::greyTitleColor());
    QCOMPARE(ui.button60HZ->imageName(), QStringLiteral("right_hold.png"));
    leave(ui.button60HZ);
    QCOMPARE(ui.button60HZ->imageName(), QStringLiteral("right_on.png"));
    QCOMPARE(s.volume.config(), fileWith(kPhoto, kVideo, "[1,3,1,1,1,2,25,12,43,18,30,5,1,]"));

    // The power-off group shows the clicked button plain until the pointer leaves it.
    hover(ui.buttonAutoOFF);
    QTest::mouseClick(ui.buttonAutoOFF, Qt::LeftButton);
    QCOMPARE(ui.buttonAutoOFF->imageName(), QStringLiteral("left.png"));
    QVERIFY(ui.buttonAutoOFF->ifSelect());
    leave(ui.buttonAutoOFF);
    QCOMPARE(ui.buttonAutoOFF->imageName(), QStringLiteral("left_on.png"));

    clickButton(ui.buttonNTSC);
    clickButton(ui.buttonAuto);
    clickButton(ui.buttonAuto3);
    clickButton(ui.buttonAutoRotOn);
    QCOMPARE(ui.buttonAutoRotOn->imageName(), QStringLiteral("onoff_right_on.png"));
    QCOMPARE(ui.buttonAutoRotOff->imageName(), QStringLiteral("onoff_left.png"));
    QVERIFY(ui.buttonAutoRotOn->ifSelect() && !ui.buttonAutoRotOff->ifSelect());
    QCOMPARE(s.volume.config(), fileWith(kPhoto, kVideo, "[1,3,2,2,1,3,25,12,43,18,30,5,2,]"));
}

void PagesTest::resetAllRestoresTheDefaults() {
    Started s("[1,1,4,3,2,0,0,0,0,0,0,0,0]\n[1,3,1,1,0,3,25,12,43,18,30,5,1,]\n");
    const auto& ui = s.ui();
    s.desktop.answers = {DesktopServices::kAlternateButton};
    clickButton(ui.buttonAutoResetAll);
    QCOMPARE(s.desktop.alerts.size(), 1);
    QCOMPARE(s.desktop.alerts[0].messageText, QStringLiteral("Reset All"));
    QCOMPARE(s.desktop.alerts[0].informativeText,
             QStringLiteral("All camera settings will be reset"));
    QCOMPARE(s.desktop.alerts[0].alternateButton, QStringLiteral("Cancel"));
    QCOMPARE(s.program->settings().photoResolution, 4);
    QVERIFY(ui.timeLipse->isVisibleTo(ui.photoView));

    s.desktop.clock = s.desktop.clock.addSecs(5);
    clickButton(ui.buttonAutoDateSet);
    QCOMPARE(ui.timePicker->time(), QTime(18, 30, 10));
    clickButton(ui.buttonAutoBack);
    clickButton(ui.buttonAutoResetAll);
    QVERIFY(!ui.timeLipse->isVisibleTo(ui.photoView));
    QCOMPARE(ui.timePicker->time(), QTime(18, 30, 5));
    for (BlackScroller* b : {ui.button5MP, ui.buttonSingle, ui.button1080P, ui.button720P60,
                             ui.buttonNTSC, ui.button50HZ, ui.buttonAuto3}) {
        QVERIFY2(b->ifSelect(), qPrintable(b->objectName()));
        QVERIFY2(b->imageName().endsWith(QLatin1String("_on.png")), qPrintable(b->objectName()));
    }
    QCOMPARE(ui.buttonAutoRotOn->imageName(), QStringLiteral("onoff_right_on.png"));
    QCOMPARE(s.program->settings().isInit, 0);
    QCOMPARE(s.volume.config(), QByteArray("[1,1,2,1,2,0,0,0,0,0,0,0,0]\n"
                                           "[1,3,2,2,1,1,25,12,43,18,30,5,2,]\n"));
}

void PagesTest::formatRequestIsAppendedOnceAndCanBeTakenBack() {
    Started s(kLooseConfig);
    s.desktop.answers = {DesktopServices::kAlternateButton};
    clickButton(s.ui().buttonAutoFormatOK);
    QCOMPARE(s.volume.config(), kLooseConfig);
    QCOMPARE(s.desktop.alerts[0].messageText, QStringLiteral("Format"));
    QCOMPARE(s.desktop.alerts[0].informativeText,
             QStringLiteral("Do you want format you SD card?"));
    QVERIFY(!s.ui().buttonCancelFormat->isVisible());
    clickButton(s.ui().buttonAutoFormatOK);
    clickButton(s.ui().buttonAutoFormatOK);
    QCOMPARE(s.desktop.alerts.size(), 3);
    const QByteArray canonical = fileWith(kPhoto, kVideo, kGeneral);
    QCOMPARE(s.volume.config(), canonical + "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n");
    QVERIFY(s.ui().formatRequestNotice->isVisible());
    clickButton(s.ui().buttonCancelFormat);
    QCOMPARE(s.volume.config(), canonical);
    QVERIFY(!s.ui().formatRequestNotice->isVisible());
    QVERIFY(!s.ui().buttonCancelFormat->isVisible());

    // A request the file held at start-up, in the middle and with its own line end: it goes,
    // every other line stays in its place.
    Started loaded("[1,1,1,1,1]\n[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n[1,3,1,1,1,1,25,12,43,18,30,5,1]\n");
    QVERIFY(loaded.ui().buttonCancelFormat->isVisible());
    clickButton(loaded.ui().buttonCancelFormat);
    QCOMPARE(loaded.volume.config(), QByteArray(kPhoto + "\n" + kGeneral + "\n"));
    QVERIFY(loaded.desktop.alerts.isEmpty());
}

// Another program writes the file while the window is open (a second window, a script, the
// camera): its change is shown and kept.
void PagesTest::anotherWritersChangeIsShownAndKept() {
    Started s(fileWith(kPhoto, kVideo, kGeneral));
    const auto& ui = s.ui();
    s.volume.setConfig(fileWith(kPhoto, "[1,2,2,2,0,0,0,0,0,0,0,0,0,]", kGeneral));
    clickButton(ui.buttonPhotoUI);
    clickButton(ui.button3MP);
    QCOMPARE(s.volume.config(),
             fileWith("[1,1,3,1,1,0,0,0,0,0,0,0,0]", "[1,2,2,2,0,0,0,0,0,0,0,0,0,]", kGeneral));
    QVERIFY(ui.button960P->ifSelect() && !ui.button1080P->ifSelect());
    QVERIFY(ui.button720P30->ifSelect() && !ui.button720P60->ifSelect());

    // Without a click, within a second.
    s.volume.setConfig(fileWith(kPhoto, kVideo, "[1,3,2,1,1,1,25,12,43,18,30,5,1,]"));
    QTRY_VERIFY_WITH_TIMEOUT(ui.buttonNTSC->ifSelect(), 1000);
    QVERIFY(ui.button1080P->ifSelect());

    // Loaded while its writer had just emptied it: the click starts from the file as it is now.
    Started emptied("");
    emptied.volume.setConfig(fileWith(kPhoto, kVideo, kGeneral));
    clickButton(emptied.ui().buttonNTSC);
    QCOMPARE(emptied.volume.config(),
             fileWith(kPhoto, kVideo, "[1,3,2,1,1,1,25,12,43,18,30,5,1,]"));
}

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
