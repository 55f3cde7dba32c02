// The date and time page, the end-of-program warning, the media folder and the web links.
#include "app_test_support.h"

#include "blackscroller.h"
#include "camerapaths.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray generalLineOf(const QByteArray& file) {
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith("[1,3,")) {
            return line;
        }
    }
    return {};
}

} // namespace

class DateTimeLinksTest : public QObject {
    Q_OBJECT

  private slots:
    void clockRunsOnAndStopsAtTheLimit();
    void pickersMirrorEachOther();
    void okStoresThePickersAndBackDoesNot();
    void syncKeepsTheComputersTimeForAnHour();
    void endingWhileSyncRunsStoresTheClockAndWarnsOnce();
    void browseOpensTheMediaFolderEachTime();
    void linkIconsOpenTheMakersPages();
};

void DateTimeLinksTest::clockRunsOnAndStopsAtTheLimit() {
    const CameraVolume volume("[1,3,1,1,1,1,31,12,67,23,59,58,1,]\n");
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    clickButton(ui.buttonAutoDateSet);
    desktop.clock = desktop.clock.addSecs(1);
    program->onTimer();
    QCOMPARE(ui.timePicker->time(), QTime(23, 59, 59));
    QCOMPARE(ui.clock->time(), QTime(23, 59, 59));
    QCOMPARE(ui.date->date(), QDate(2037, 12, 31));
    // The last moment the pickers allow: the clock stops there, it does not start the same
    // day again.
    desktop.clock = desktop.clock.addSecs(3600);
    program->onTimer();
    QCOMPARE(ui.timePicker->time(), QTime(23, 59, 59));
    QCOMPARE(ui.date->date(), QDate(2037, 12, 31));
    clickButton(ui.buttonAutoDateOK);
    QCOMPARE(generalLineOf(volume.config()), QByteArray("[1,3,1,1,1,1,31,12,67,23,59,59,1,]"));

    const CameraVolume earlier("[1,3,1,1,1,1,28,2,54,23,59,59,1,]\n");
    const auto second = startProgram(earlier.startPath(), desktop);
    // While the page is hidden the pickers are left alone; shown, they tell the time, past
    // midnight as the next day.
    desktop.clock = desktop.clock.addSecs(1);
    second->onTimer();
    QCOMPARE(second->widgets().timePicker->time(), QTime(23, 59, 59));
    clickButton(second->widgets().buttonAutoDateSet);
    QCOMPARE(second->widgets().date->date(), QDate(2024, 2, 29));
    QCOMPARE(second->widgets().calender->selectedDate(), QDate(2024, 2, 29));
    QCOMPARE(second->widgets().clock->time(), QTime(0, 0, 0));
}

void DateTimeLinksTest::pickersMirrorEachOther() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    clickButton(ui.buttonAutoDateSet);
    ui.calender->setSelectedDate(QDate(2030, 5, 6));
    QCOMPARE(ui.date->date(), QDate(2030, 5, 6));
    ui.date->setDate(QDate(2031, 7, 8));
    QCOMPARE(ui.calender->selectedDate(), QDate(2031, 7, 8));
    ui.timePicker->setTime(QTime(9, 10, 11));
    QCOMPARE(ui.clock->time(), QTime(9, 10, 11));
    ui.clock->setFocus();
    QTest::keyClick(ui.clock, Qt::Key_PageUp);
    QCOMPARE(ui.timePicker->time(), QTime(10, 10, 11));
    // The limits of the date pickers.
    ui.date->setDate(QDate(2012, 6, 1));
    QCOMPARE(ui.date->date(), QDate(2013, 1, 1));
    QCOMPARE(volume.config(), kFullConfig);
}

void DateTimeLinksTest::okStoresThePickersAndBackDoesNot() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    clickButton(ui.buttonAutoDateSet);
    QVERIFY(!ui.setBarView->isVisible());
    ui.date->setDate(QDate(2025, 1, 2));
    ui.timePicker->setTime(QTime(3, 4, 5));
    clickButton(ui.buttonAutoBack);
    QCOMPARE(volume.config(), kFullConfig);

    clickButton(ui.buttonAutoDateSet);
    QCOMPARE(ui.date->date(), QDate(2025, 1, 2));
    hover(ui.buttonAutoDateOK);
    QTest::mouseClick(ui.buttonAutoDateOK, Qt::LeftButton);
    QCOMPARE(program->currentPage(), ui.generalView);
    QVERIFY(ui.setBarView->isVisible());
    QCOMPARE(ui.buttonAutoDateSet->imageName(), QStringLiteral("single.png"));
    QCOMPARE(ui.buttonAutoDateOK->imageName(), QStringLiteral("single.png"));
    QCOMPARE(generalLineOf(volume.config()), QByteArray("[1,3,1,1,1,1,2,1,55,3,4,5,1,]"));

    // A general-page click writes the stored time, not the clock that ran on since.
    desktop.clock = desktop.clock.addSecs(2);
    clickButton(ui.buttonNTSC);
    QCOMPARE(generalLineOf(volume.config()), QByteArray("[1,3,2,1,1,1,2,1,55,3,4,5,1,]"));
}

void DateTimeLinksTest::syncKeepsTheComputersTimeForAnHour() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const QDateTime start(QDate(2026, 12, 6), QTime(23, 30, 0, 700));
    desktop.clock = start;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    clickButton(ui.buttonAutoDateSet);
    clickButton(ui.buttonSYNWithPC);
    QVERIFY(program->clockSyncRunning());
    QCOMPARE(ui.calender->selectedDate(), QDate(2026, 12, 6));
    QCOMPARE(ui.clock->time(), QTime(23, 30, 0));
    QCOMPARE(generalLineOf(volume.config()), QByteArray("[1,3,1,1,1,1,6,12,56,23,30,0,1,]"));

    // An hour of minute stores, past midnight, with the second ticks coming late as they do
    // on a busy computer: 59 of them a minute.
    for (int minute = 1; minute <= 60; ++minute) {
        for (int tick = 1; tick < 60; ++tick) {
            desktop.clock = start.addMSecs((minute - 1) * 60'000 + tick * 1'016);
            program->onTimer();
        }
        desktop.clock = start.addSecs(minute * 60);
        program->updateTime();
    }
    QCOMPARE(generalLineOf(volume.config()), QByteArray("[1,3,1,1,1,1,7,12,56,0,30,0,1,]"));
    QCOMPARE(ui.timePicker->time(), QTime(0, 30, 0));
    QCOMPARE(ui.date->date(), QDate(2026, 12, 7));
    QCOMPARE(program->currentPage(), ui.dateSetView);
}

void DateTimeLinksTest::endingWhileSyncRunsStoresTheClockAndWarnsOnce() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    clickButton(ui.buttonAutoDateSet);
    clickButton(ui.buttonSYNWithPC);
    desktop.clock = desktop.clock.addSecs(3600);
    clickButton(ui.buttonSYNWithPC);
    desktop.clock = desktop.clock.addSecs(7);
    QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    program->window()->close();
    QTRY_COMPARE(ended.count(), 1);
    QVERIFY(!program->clockSyncRunning());
    QCOMPARE(desktop.alerts.size(), 1);
    QCOMPARE(desktop.alerts[0].messageText,
             QStringLiteral("please disconnect your camera from PC immediately to ensure the "
                            "date&time is set correctly"));
    QCOMPARE(desktop.alerts[0].defaultButton, QStringLiteral("OK"));
    QCOMPARE(generalLineOf(volume.config()), QByteArray("[1,3,1,1,1,1,9,3,54,15,5,37,1,]"));
}

// Hostile volume names are tried in the reliability suite; here the plain case.
void DateTimeLinksTest::browseOpensTheMediaFolderEachTime() {
    const CameraVolume volume(kFullConfig, QStringLiteral("MY CAMERA"));
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    // Browse has no set-up of its own: neither the open hand nor other pictures under the pointer.
    QVERIFY(!program->widgets().buttonBrowse->hasTracking());
    clickButton(program->widgets().buttonBrowse);
    clickButton(program->widgets().buttonBrowse);
    QCOMPARE(desktop.opened.size(), 2);
    QCOMPARE(desktop.opened[0], QUrl::fromLocalFile(volume.root() + QStringLiteral("/DCIM")));
    QCOMPARE(desktop.opened[1], desktop.opened[0]);
}

void DateTimeLinksTest::linkIconsOpenTheMakersPages() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    for (BlackScroller* icon : {ui.buttonTavikWeb, ui.buttonTavikFacebook, ui.buttonTavikTwitter}) {
        hover(icon);
        QVERIFY(icon->imageName().endsWith(QLatin1String("b.bmp")));
        QTest::mouseClick(icon, Qt::LeftButton);
        leave(icon);
        QVERIFY(icon->imageName().endsWith(QLatin1String("a.bmp")));
    }
    QCOMPARE(desktop.opened.size(), 3);
    for (const QUrl& url : desktop.opened) {
        QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https"),
                 qPrintable(url.toString()));
    }
    QCOMPARE(volume.config(), kFullConfig);
}

QTEST_MAIN(DateTimeLinksTest)
#include "datetime_links_test.moc"
