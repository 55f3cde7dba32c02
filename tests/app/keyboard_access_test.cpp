// Keyboard use, what assistive technology hears, and the camera details in the header.
#include "app_test_support.h"

#include "blackscroller.h"

#include <QAccessible>
#include <QTest>

namespace {

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

  private slots:
    void tabReachesEveryButtonOfThePageAndSpaceChooses();
    void accessibleNamesSayWhatIsSetAndItsState();
    void cameraDetailsShowWhatIsKnown();
    void aSaveAfterTheCameraWentAwayCreatesNoFile();
};

void KeyboardAccessTest::tabReachesEveryButtonOfThePageAndSpaceChooses() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QWidget* window = program->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto& ui = program->widgets();

    QSet<QString> reached;
    for (int i = 0; i < 40 && reached.size() < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                               : window,
                        Qt::Key_Tab);
        if (QWidget* focused = QApplication::focusWidget()) {
            reached.insert(focused->objectName());
        }
    }
    for (const char* name : {"buttonPhotoUI", "buttonGeneralUI", "buttonPAL", "buttonNTSC",
                             "button60HZ", "buttonAutoOFF", "buttonAutoRotOff", "buttonAutoDateSet",
                             "buttonAutoResetAll", "buttonAutoFormatOK", "buttonBrowse"}) {
        QVERIFY2(reached.contains(QLatin1String(name)), name);
    }
    QVERIFY2(!reached.contains(QStringLiteral("button16MP")), "hidden pages take no focus");

    ui.button60HZ->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ui.button60HZ, Qt::Key_Space);
    QVERIFY(ui.button60HZ->ifSelect());
    // Chosen without the pointer on it, the button shows its selected picture at once.
    QCOMPARE(ui.button60HZ->imageName(), QStringLiteral("right_on.png"));
    QVERIFY(volume.config().contains("[1,3,1,1,1,2,25,12,43,18,30,5,1,]"));
}

void KeyboardAccessTest::accessibleNamesSayWhatIsSetAndItsState() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    QCOMPARE(accessibleName(ui.button16MP), QStringLiteral("Photo resolution 16MP, selected"));
    QCOMPARE(accessibleName(ui.button5MP), QStringLiteral("Photo resolution 5MP"));
    QCOMPARE(accessibleName(ui.buttonPAL), QStringLiteral("TV system PAL, selected"));
    QCOMPARE(accessibleName(ui.buttonAutoRotOff), QStringLiteral("Auto rotation OFF, selected"));
    clickButton(ui.buttonNTSC);
    QCOMPARE(accessibleName(ui.buttonNTSC), QStringLiteral("TV system NTSC, selected"));
    QCOMPARE(accessibleName(ui.buttonPAL), QStringLiteral("TV system PAL"));
    QCOMPARE(accessibleName(ui.buttonTavikWeb), QStringLiteral("Open the maker's web site"));
    QCOMPARE(accessibleName(ui.timeLipse), QStringLiteral("Time-lapse interval"));
}

void KeyboardAccessTest::cameraDetailsShowWhatIsKnown() {
    {
        const CameraVolume volume(kFullConfig);
        FakeDesktop desktop;
        const auto program = startProgram(volume.startPath(), desktop);
        const QString details = program->widgets().cameraDetails->text();
        QVERIFY2(details.startsWith(QStringLiteral("Firmware FW001\n")), qPrintable(details));
        QVERIFY2(details.endsWith(QStringLiteral(" free on the card")), qPrintable(details));
    }
    const CameraVolume noFirmware("[1,1,1,1,1,0,0,0,0,0,0,0,0]\n");
    FakeDesktop desktop;
    const auto program = startProgram(noFirmware.startPath(), desktop);
    QVERIFY(!program->widgets().cameraDetails->text().contains(QStringLiteral("Firmware")));
}

void KeyboardAccessTest::aSaveAfterTheCameraWentAwayCreatesNoFile() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(volume.removeConfig());
    program->MouseClickOnBtnNTSC();
    QVERIFY(!QFile::exists(volume.configPath()));
    QCOMPARE(program->settings().tvType, 1);
}

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
