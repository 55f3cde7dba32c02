// The window driven as a user drives it: every step of a row is a click or a key, and after it
// the page on screen, every button group and the date pickers are compared with what the card's
// file then holds, byte for byte. Then the clock's sync, the pointer, the reference pictures,
// keyboard use and the clock face's own input.
#include "app_test_support.h"

#include "applook.h"
#include "blackscroller.h"
#include "camerafinder.h"
#include "camerasearch.h"
#include "clockface.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QWheelEvent>
#include <QtMath>

#include <cmath>
#include <limits>

namespace {

QByteArray generalWith(const QByteArray& general) {
    return kPhoto + kVideo + general + "\n" + kFirmware;
}

const QString kFull = QStringLiteral("16MP Single 1080P 720P60 PAL 50HZ Auto1 AutoRotOff");
const QString kStoredClock = QStringLiteral("2013-12-25 18:30:05");
const QString kComputerClock = QStringLiteral("2024-03-09 14:05:30");

} // namespace

// The clock face as a time picker: what each kind of user input does to the time, and that only
// user input is reported through timeEdited().
namespace {

constexpr int kSide = 170;

// Position on the face where the minute hand points at `minute`.
QPoint minutePosition(int minute) {
    const qreal radians = qDegreesToRadians(minute * 6.0);
    return QPointF(kSide / 2.0 + 60.0 * std::sin(radians), kSide / 2.0 - 60.0 * std::cos(radians))
        .toPoint();
}

// One input: "set HH:MM:SS" (by the program), "key Up|Down|PageUp|PageDown|Left|A",
// "wheel N" (angle delta; "max" and "min" for the extremes), "press M", "rpress M" (right
// button), "drag M", "release M" at minute M of the face.
void send(ClockFace& face, const QString& input) {
    const QString verb = input.section(QLatin1Char(' '), 0, 0);
    const QString arg = input.section(QLatin1Char(' '), 1);
    const QPoint at = minutePosition(arg.toInt());
    if (verb == QLatin1String("set")) {
        face.setTime(QTime::fromString(arg, Qt::ISODate));
    } else if (verb == QLatin1String("key")) {
        const QMap<QString, Qt::Key> keys{
            {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
            {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
            {"Left", Qt::Key_Left},     {"A", Qt::Key_A}};
        QTest::keyClick(&face, keys.value(arg));
    } else if (verb == QLatin1String("wheel")) {
        const int delta = arg == QLatin1String("max")   ? std::numeric_limits<int>::max()
                          : arg == QLatin1String("min") ? std::numeric_limits<int>::min()
                                                        : arg.toInt();
        const QPointF pos(kSide / 2.0, kSide / 2.0);
        QWheelEvent event(pos, face.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&face, &event);
    } else if (verb == QLatin1String("press")) {
        QTest::mousePress(&face, Qt::LeftButton, Qt::NoModifier, at);
    } else if (verb == QLatin1String("rpress")) {
        QTest::mousePress(&face, Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(&face, Qt::RightButton, Qt::NoModifier, at);
    } else if (verb == QLatin1String("drag")) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), face.mapToGlobal(QPointF(at)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&face, &event);
    } else if (verb == QLatin1String("release")) {
        QTest::mouseRelease(&face, Qt::LeftButton, Qt::NoModifier, at);
    }
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The program's own style and palette, as main() sets them.
    void initTestCase() {
        // Windows takes its date formats from the system, not from LC_ALL.
        QLocale::setDefault(QLocale::c());
        applyApplicationLook();
    }
    void stepsShowAndStoreTheChoice_data();
    void stepsShowAndStoreTheChoice();
    void syncStoresTheComputersTimeEveryMinuteAndWarnsAtTheEnd();
    void everyGroupButtonStoresItsValue();
    void linksAndButtonsAnswerThePointer();
    void picturesMatchTheReference_data();
    void picturesMatchTheReference();
    void theKeyboardAloneWorksTheWindow();
    void clockFaceInputSetsTheTime_data();
    void clockFaceInputSetsTheTime();
};

void WindowTest::stepsShowAndStoreTheChoice_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("steps"); // separated by blanks
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("after"); // empty: the file as it was before
    QTest::addColumn<QString>("alert");    // the last alert's text
    const auto row = [](const char* name, const QByteArray& before, const char* steps,
                        const char* page, const QString& shown, const QByteArray& after = {},
                        const char* alert = "") {
        QTest::newRow(name) << before << QString::fromLatin1(steps) << page << shown << after
                            << QString::fromLatin1(alert);
    };
    const QString full = kFull + QLatin1Char(' ') + kStoredClock;
    const QString now = QLatin1Char(' ') + kComputerClock;

    // Start-up: the General page, every group painted from the file, nothing written.
    row("start, empty file", "", "", "generalView", "- - - - - - - -" + now);
    row("start, every group off its first button",
        "[1,1,4,3,3,0,0,0,0,0,0,0,0]\n[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n"
        "[1,3,2,3,1,3,31,7,50,6,7,8,2,]\n",
        "", "generalView",
        "VGA TimeLapse 960P 720P30 NTSC Auto AutoOFF AutoRotOn @3 2020-07-31 06:07:08");
    row("start, burst with 16MP stored", "[1,1,1,2,1,0,0,0,0,0,0,0,0]\n", "", "generalView",
        "~16MP ~3MP ~VGA Burst - - - - - -" + now);

    // Navigation.
    row("photo video photo", kLooseConfig, "PhotoUI VideoUI PhotoUI PhotoUI", "photoView", full);
    row("video general", kLooseConfig, "VideoUI GeneralUI", "generalView", full);
    row("back on another page shows the bar again", kLooseConfig, "VideoUI back", "videoView",
        full);

    // Photo page.
    const QByteArray rest = kVideo + kGeneral + kFirmware;
    row("the chosen choices again write nothing", kLooseConfig, "PhotoUI 16MP Single", "photoView",
        full);
    row("3MP", kLooseConfig, "PhotoUI 3MP", "photoView",
        "3MP Single 1080P 720P60 PAL 50HZ Auto1 AutoRotOff " + kStoredClock,
        "[1,1,3,1,1,0,0,0,0,0,0,0,0]\n" + rest);
    row("burst forces 5MP", kLooseConfig, "PhotoUI Burst", "photoView",
        "5MP ~16MP ~3MP ~VGA Burst 1080P 720P60 PAL 50HZ Auto1 AutoRotOff " + kStoredClock,
        "[1,1,2,2,1,0,0,0,0,0,0,0,0]\n" + rest);
    row("single after burst keeps 5MP", kLooseConfig, "PhotoUI Burst Single", "photoView",
        "5MP Single 1080P 720P60 PAL 50HZ Auto1 AutoRotOff " + kStoredClock,
        "[1,1,2,1,1,0,0,0,0,0,0,0,0]\n" + rest);
    row("16MP stored with burst, 5MP then single", "[1,1,1,2,1,0,0,0,0,0,0,0,0]\n",
        "PhotoUI 5MP Single", "photoView", "5MP Single - - - - - -" + now,
        "[1,1,2,1,1,0,0,0,0,0,0,0,0]\n");
    const QByteArray lapse = "[1,1,3,1,2,0,0,0,0,0,0,0,0]\n";
    row("time-lapse shows its interval", lapse, "PhotoUI TimeLapse", "photoView",
        "3MP TimeLapse - - - - - - @2" + now, "[1,1,3,3,2,0,0,0,0,0,0,0,0]\n");
    row("the next interval", "[1,1,3,3,1,0,0,0,0,0,0,0,0]\n", "PhotoUI down", "photoView",
        "3MP TimeLapse - - - - - - @2" + now, "[1,1,3,3,2,0,0,0,0,0,0,0,0]\n");
    row("interval chosen with the keyboard", lapse, "PhotoUI TimeLapse down down", "photoView",
        "3MP TimeLapse - - - - - - @4" + now, "[1,1,3,3,4,0,0,0,0,0,0,0,0]\n");
    row("single after time-lapse hides the interval", lapse, "PhotoUI TimeLapse Single",
        "photoView", "3MP Single - - - - - -" + now);
    row("burst then time-lapse keeps 5MP and the interval", lapse,
        "PhotoUI TimeLapse down down Burst TimeLapse", "photoView",
        "5MP TimeLapse - - - - - - @4" + now, "[1,1,2,3,4,0,0,0,0,0,0,0,0]\n");
    // A setting whose line the file lacks is not stored: the group shows that, the notice why.
    row("missing lines are never created", kFirmware, "PhotoUI VGA VideoUI 960P GeneralUI NTSC",
        "generalView+notice", "- - - - - - - -" + now);

    // Video and General pages.
    row("960P and 720P30", kLooseConfig, "VideoUI 1080P 960P 720P30", "videoView",
        "16MP Single 960P 720P30 PAL 50HZ Auto1 AutoRotOff " + kStoredClock,
        kPhoto + "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n" + kGeneral + kFirmware);
    row("NTSC, automatic light, 3 minutes, rotation", kLooseConfig, "NTSC Auto Auto3 AutoRotOn",
        "generalView", "16MP Single 1080P 720P60 NTSC Auto Auto3 AutoRotOn " + kStoredClock,
        generalWith("[1,3,2,2,1,3,25,12,43,18,30,5,2,]"));

    // Reset all and the format request.
    const QByteArray changed = "[1,1,4,3,2,0,0,0,0,0,0,0,0]\n[1,3,1,1,0,3,25,12,43,18,30,5,1,]\n";
    const char* reset = "All camera settings will be reset";
    row("reset all cancelled", changed, "cancel AutoResetAll", "generalView",
        "VGA TimeLapse - - PAL Auto Auto1 AutoRotOff @2 " + kStoredClock, {}, reset);
    row("reset all, after the clock ran on", changed, "+5 AutoDateSet AutoBack AutoResetAll",
        "generalView+notice", "5MP Single - - NTSC 50HZ Auto3 AutoRotOn " + kStoredClock,
        "[1,1,2,1,2,0,0,0,0,0,0,0,0]\n[1,3,2,2,1,1,25,12,43,18,30,5,2,]\n", reset);
    const char* format = "Do you want format you SD card?";
    const QByteArray request = "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n";
    row("format cancelled", kLooseConfig, "cancel AutoFormatOK", "generalView", full, {}, format);
    row("format asked twice, one request", kLooseConfig, "AutoFormatOK AutoFormatOK",
        "generalView+format-request+cancel-format", full, kFullConfig + request, format);
    row("format taken back", kLooseConfig, "AutoFormatOK CancelFormat", "generalView", full,
        kFullConfig, format);
    const QByteArray requested = "[1,1,1,1,1]\n" + request + "[1,3,1,1,1,1,25,12,43,18,30,5,1]\n";
    const QString partial = "16MP Single - - PAL 50HZ Auto1 AutoRotOff " + kStoredClock;
    row("request found at start-up", requested, "", "generalView+format-request+cancel-format",
        partial);
    row("request found at start-up taken back", requested, "CancelFormat", "generalView", partial,
        kPhoto + kGeneral);

    // Another program writes the file while the window is open: its change is shown and kept.
    const QByteArray other = kPhoto + "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n" + kGeneral + kFirmware;
    const QByteArray writeOther = "file=" + other;
    row("another writer, then a click", kFullConfig, writeOther + " PhotoUI 3MP", "photoView",
        "3MP Single 960P 720P30 PAL 50HZ Auto1 AutoRotOff " + kStoredClock,
        "[1,1,3,1,1,0,0,0,0,0,0,0,0]\n[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n" + kGeneral + kFirmware);
    row("another writer, seen without a click", kFullConfig, writeOther + " wait", "generalView",
        "16MP Single 960P 720P30 PAL 50HZ Auto1 AutoRotOff " + kStoredClock, other);
    // The running clock stays when another program changes other settings, and follows a clock
    // it stored.
    row("another writer while the clock runs", kFullConfig,
        "AutoDateSet +60 tick " + writeOther + " wait", "dateSetView",
        "16MP Single 960P 720P30 PAL 50HZ Auto1 AutoRotOff 2013-12-25 18:31:05", other);
    const QByteArray otherClock = generalWith("[1,3,1,1,1,1,2,1,55,3,4,5,1,]");
    row("another writer's clock", kFullConfig, "AutoDateSet +60 tick file=" + otherClock + " wait",
        "dateSetView", kFull + " 2025-01-02 03:04:05", otherClock);
    const QByteArray lapse4 = "[1,1,3,3,4,0,0,0,0,0,0,0,0]\n" + kVideo + kGeneral + kFirmware;
    row("another writer's interval",
        "[1,1,3,3,2,0,0,0,0,0,0,0,0]\n" + kVideo + kGeneral + kFirmware,
        "PhotoUI file=" + lapse4 + " wait", "photoView",
        "3MP TimeLapse 1080P 720P60 PAL 50HZ Auto1 AutoRotOff @4 " + kStoredClock, lapse4);
    const QByteArray lapse2 = "[1,1,3,3,2,0,0,0,0,0,0,0,0]\n";
    const QByteArray video960 = "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n";
    row("another writer, then an interval", lapse2 + kVideo + kGeneral + kFirmware,
        "PhotoUI file=" + lapse2 + video960 + kGeneral + kFirmware + " down", "photoView",
        "3MP TimeLapse 960P 720P30 PAL 50HZ Auto1 AutoRotOff @3 " + kStoredClock,
        "[1,1,3,3,3,0,0,0,0,0,0,0,0]\n" + video960 + kGeneral + kFirmware);
    row("a time set after another writer's clock runs from there", kFullConfig,
        "AutoDateSet file=" + otherClock + " wait time=07:08:09 +5 AutoDateOK", "generalView",
        kFull + " 2025-01-02 07:08:14", generalWith("[1,3,1,1,1,1,2,1,55,7,8,14,1,]"));
    row("loaded empty, then written", "", "file=" + kFullConfig + " NTSC", "generalView",
        "16MP Single 1080P 720P60 NTSC 50HZ Auto1 AutoRotOff " + kStoredClock,
        generalWith("[1,3,2,1,1,1,25,12,43,18,30,5,1,]"));
    // Lines gone at once may be a file rewritten in place and caught half-way: no save is made
    // from it; once it has stayed so for a second, it is shown.
    row("another writer's shorter file", kFullConfig, "file=" + kGeneral + kFirmware + " NTSC",
        "generalView+notice", full, kGeneral + kFirmware);
    row("another writer's shorter file, a second later", kFullConfig,
        "file=" + kGeneral + kFirmware + " wait wait wait wait NTSC", "generalView",
        "- - - - NTSC 50HZ Auto1 AutoRotOff " + kStoredClock,
        "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware);

    // Date and time page.
    row("back stores nothing, the pickers keep the choice", kFullConfig,
        "AutoDateSet date=2025-01-02 time=03:04:05 AutoBack AutoDateSet", "dateSetView",
        kFull + " 2025-01-02 03:04:05");
    row("OK stores the pickers", kFullConfig,
        "AutoDateSet calendar=2025-01-02 time=03:04:05 +9 AutoDateOK", "generalView",
        kFull + " 2025-01-02 03:04:14", generalWith("[1,3,1,1,1,1,2,1,55,3,4,14,1,]"));
    row("a later click stores the stored clock, not the running one", kFullConfig,
        "AutoDateSet date=2025-01-02 time=03:04:05 AutoDateOK +2 NTSC", "generalView",
        "16MP Single 1080P 720P60 NTSC 50HZ Auto1 AutoRotOff 2025-01-02 03:04:05",
        generalWith("[1,3,2,1,1,1,2,1,55,3,4,5,1,]"));
    row("the clock runs on while the page is shown", kFullConfig,
        "AutoDateSet +1 tick +60 wait wait wait wait", "dateSetView",
        kFull + " 2013-12-25 18:31:06");
    row("clock face and date picker set the others", kFullConfig,
        "AutoDateSet date=2031-07-08 pageup", "dateSetView", kFull + " 2031-07-08 19:30:05");
    row("dates before 2013 are refused", kFullConfig, "AutoDateSet date=2012-06-01", "dateSetView",
        kFull + " 2013-01-01 18:30:05");
    row("the clock stops at the last moment", "[1,3,1,1,1,1,31,12,67,23,59,58,1,]\n",
        "AutoDateSet +1 tick +3600 tick AutoDateOK", "generalView",
        "- - - - PAL 50HZ Auto1 AutoRotOff 2037-12-31 23:59:59",
        "[1,3,1,1,1,1,31,12,67,23,59,59,1,]\n");
    row("hidden, the pickers wait; shown, they tell the time past midnight",
        "[1,3,1,1,1,1,28,2,54,23,59,59,1,]\n", "+1 tick AutoDateSet", "dateSetView",
        "- - - - PAL 50HZ Auto1 AutoRotOff 2024-02-29 00:00:00");
}

void WindowTest::stepsShowAndStoreTheChoice() {
    QFETCH(QByteArray, before);
    QFETCH(QString, steps);
    QFETCH(QByteArray, after);
    const CameraVolume volume(before);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    QCOMPARE(program->window()->windowTitle(), QStringLiteral("vantorelle \u2013 CAMERA"));
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QVERIFY2(runStep(*program, desktop, volume, step), qPrintable(step));
        QVERIFY2(!visiblePage(*program).contains(QLatin1Char('!')), qPrintable(step));
    }
    QTEST(visiblePage(*program), "page");
    QTEST(shownSettings(*program), "shown");
    QCOMPARE(volume.config(), after.isEmpty() ? before : after);
    QTEST(desktop.alerts.isEmpty() ? QString() : desktop.alerts.last().informativeText, "alert");
    QCOMPARE(volume.entries(), QStringList({"ActionConfig", "DCIM", "vantorelle.app"}));
}

// Sync stores the computer's time at once and then every minute; ticks that come late, as on
// a busy computer, do not make the clock lag. Ending the program while it runs stores the clock
// once more and warns once.
void WindowTest::syncStoresTheComputersTimeEveryMinuteAndWarnsAtTheEnd() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const QDateTime start(QDate(2026, 12, 6), QTime(23, 30, 0, 700));
    desktop.clock = start;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(click(*program, QStringLiteral("buttonAutoDateSet")));
    QVERIFY(click(*program, QStringLiteral("buttonSYNWithPC")));
    auto* timer = program->findChild<QTimer*>(QStringLiteral("clockSyncTimer"));
    QVERIFY(timer != nullptr && timer->isActive());
    QCOMPARE(timer->interval(), 60'000);
    QCOMPARE(volume.config(), generalWith("[1,3,1,1,1,1,6,12,56,23,30,0,1,]"));
    for (int minute = 1; minute <= 60; ++minute) {
        for (int tick = 1; tick < 60; ++tick) {
            desktop.clock = start.addMSecs((minute - 1) * 60'000 + tick * 1'016);
            program->onTimer();
        }
        desktop.clock = start.addSecs(minute * 60);
        if (minute < 60) {
            program->updateTime();
        }
    }
    // The last store comes from the timer itself.
    timer->start(0);
    QTRY_COMPARE(volume.config(), generalWith("[1,3,1,1,1,1,7,12,56,0,30,0,1,]"));
    QCOMPARE(shownSettings(*program), kFull + QStringLiteral(" 2026-12-07 00:30:00"));
    QCOMPARE(visiblePage(*program), QStringLiteral("dateSetView"));

    // A second Sync restarts the one timer.
    desktop.clock = desktop.clock.addSecs(3600);
    QVERIFY(click(*program, QStringLiteral("buttonSYNWithPC")));
    QCOMPARE(program->findChildren<QTimer*>(QStringLiteral("clockSyncTimer")).size(), 1);
    desktop.clock = desktop.clock.addSecs(7);
    QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    program->window()->close();
    QTRY_COMPARE(ended.count(), 1);
    QVERIFY(!timer->isActive());
    QCOMPARE(desktop.alerts.size(), 1);
    QCOMPARE(desktop.alerts[0].messageText,
             QStringLiteral("please disconnect your camera from PC immediately to ensure the "
                            "date&time is set correctly"));
    QCOMPARE(volume.config(), generalWith("[1,3,1,1,1,1,7,12,56,1,30,7,1,]"));
}

// Each button of the eight groups, clicked on a camera that holds another value, stores its own.
void WindowTest::everyGroupButtonStoresItsValue() {
    const QStringList groups[] = {{"16MP", "5MP", "3MP", "VGA"},
                                  {"Single", "Burst", "TimeLapse"},
                                  {"1080P", "960P"},
                                  {"720P60", "720P30"},
                                  {"PAL", "NTSC"},
                                  {"50HZ", "60HZ", "Auto"},
                                  {"Auto1", "Auto3", "AutoOFF"},
                                  {"AutoRotOff", "AutoRotOn"}};
    for (int g = 0; g < 8; ++g) {
        for (const QString& name : groups[g]) {
            const CameraVolume volume(kFullConfig);
            if (storedSettings(volume).section(QLatin1Char(' '), g, g) == name) {
                volume.setConfig(kOtherConfig);
            }
            FakeDesktop desktop;
            const auto program = startProgram(volume.startPath(), desktop);
            QVERIFY(runStep(*program, desktop, volume,
                            g < 2   ? "PhotoUI"
                            : g < 4 ? "VideoUI"
                                    : "GeneralUI"));
            QVERIFY(runStep(*program, desktop, volume, name));
            QCOMPARE(storedSettings(volume).section(QLatin1Char(' '), g, g), name);
        }
    }
}

void WindowTest::linksAndButtonsAnswerThePointer() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    for (const char* name : {"buttonTavikWeb", "buttonTavikFacebook", "buttonTavikTwitter"}) {
        auto* icon = widget<BlackScroller>(*program, name);
        hover(icon);
        QVERIFY(icon->imageName().endsWith(QLatin1String("b.bmp")));
        QTest::mouseClick(icon, Qt::LeftButton);
        leave(icon);
        QVERIFY(icon->imageName().endsWith(QLatin1String("a.bmp")));
    }
    // Every button of the groups shows the hand under the pointer.
    int groupButtons = 0;
    for (BlackScroller* button : program->window()->findChildren<BlackScroller*>()) {
        if (button->isCheckable()) {
            ++groupButtons;
            hover(button);
            QVERIFY2(button->cursor().shape() == Qt::OpenHandCursor, qPrintable(button->text()));
            leave(button);
            QVERIFY2(button->cursor().shape() == Qt::ArrowCursor, qPrintable(button->text()));
        }
    }
    QCOMPARE(groupButtons, 21);
    // The pointer gone, every button shows its own picture and title again.
    QCOMPARE(shownSettings(*program), kFull + QLatin1Char(' ') + kStoredClock);
    // A button of no known kind swaps no pictures, whatever its number.
    for (const int kind : {-1, 4}) {
        BlackScroller odd;
        odd.setKind(kind);
        odd.setMyTracking();
        odd.setImageName(QStringLiteral("middle.png"));
        odd.setDisplayImage(QStringLiteral("middle.png"), QStringLiteral("middle_hold.png"));
        hover(&odd);
        QCOMPARE(odd.imageName(), QStringLiteral("middle.png"));
        leave(&odd);
    }
    // Chosen under the pointer, a button keeps its hover picture until the pointer leaves.
    auto* ntsc = widget<BlackScroller>(*program, "buttonNTSC");
    hover(ntsc);
    QTest::mouseClick(ntsc, Qt::LeftButton);
    QVERIFY(ntsc->ifSelect() && ntsc->imageName().endsWith(QLatin1String("_hold.png")));
    leave(ntsc);
    QVERIFY(ntsc->imageName().endsWith(QLatin1String("_on.png")));
    // The media folder is opened in the camera-faults suite, on every kind of volume name.
    QCOMPARE(desktop.opened.size(), 3);
    for (const QUrl& url : desktop.opened) {
        QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https"),
                 qPrintable(url.toString()));
    }
    // Nothing opens it, or there is none: the notice says so, and Browse makes no folder.
    QVERIFY(!visiblePage(*program).contains("notice"));
    desktop.opens = false;
    QVERIFY(click(*program, "buttonBrowse"));
    QVERIFY(visiblePage(*program).endsWith("notice"));
    QVERIFY(QDir(volume.root() + "/DCIM").removeRecursively());
    QVERIFY(click(*program, "buttonBrowse"));
    QVERIFY(desktop.opened.size() == 4 && !QFileInfo::exists(volume.root() + "/DCIM"));
    QVERIFY(widget<QLabel>(*program, "saveNotice")->text().contains("DCIM"));
    // The header names the firmware and the free space.
    const QString details = widget<QLabel>(*program, "cameraDetails")->text();
    QVERIFY2(details.startsWith(QStringLiteral("Firmware FW001\n")) &&
                 details.endsWith(QStringLiteral(" free on the card")),
             qPrintable(details));
}

void WindowTest::picturesMatchTheReference_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("steps"); // "waiting" and "chooser" show the camera finder
    const QByteArray lapse = "[1,1,3,3,2,0,0,0,0,0,0,0,0]\n" + kVideo + kGeneral + kFirmware;
    // Left under the pointer on a page that went away, buttons show their own pictures again.
    QTest::newRow("general") << kFullConfig << "AutoDateSet! AutoBack!";
    QTest::newRow("photo, time-lapse") << lapse << "PhotoUI";
    QTest::newRow("photo, burst") << kFullConfig << "PhotoUI Burst";
    QTest::newRow("video") << kFullConfig << "VideoUI";
    QTest::newRow("date and time")
        << kFullConfig << "AutoDateSet AutoBack! AutoDateSet AutoDateOK! AutoDateSet";
    QTest::newRow("photo, time-lapse chosen") << kFullConfig << "PhotoUI TimeLapse";
    QTest::newRow("waiting") << QByteArray() << "waiting";
    QTest::newRow("alert with a title") << QByteArray() << "alert reset";
    QTest::newRow("alert without a title") << QByteArray() << "alert";
    QTest::newRow("chooser") << QByteArray() << "chooser";
}

// What the user sees, pixel for pixel, against tests/app/pictures/: colours, positions and
// pictures of the pages and of the camera finder. After a deliberate change of the look, run
// with VANTORELLE_UPDATE_PICTURES=1 to store the new pictures, and look at them.
void WindowTest::picturesMatchTheReference() {
    QFETCH(QByteArray, before);
    QFETCH(QString, steps);
#ifdef Q_OS_WIN
    if (!QFile::exists(qEnvironmentVariable("QT_QPA_FONTDIR") +
                       QStringLiteral("/DejaVuSans.ttf"))) {
        QSKIP("the pictures for Windows were taken with DejaVu Sans, not given (QT_QPA_FONTDIR)");
    }
#endif
    const CameraVolume volume(before);
    FakeDesktop desktop;
    CameraFinder finder;
    std::unique_ptr<Tavik_CamAppDelegate> program;
    QWidget* shown = &finder;
    QImage image;
    if (steps.startsWith(QLatin1String("alert"))) {
        // The desktop's own alert, as the program shows it; answered as soon as it is up.
        QTimer::singleShot(0, [&image] {
            QWidget* box = QApplication::activeModalWidget();
            image = box->grab().toImage();
            QTest::keyClick(box, Qt::Key_Return);
        });
        // Reset all's alert, and the end-of-program warning, long enough to be wrapped.
        const AlertRequest alert =
            steps == QLatin1String("alert")
                ? AlertRequest{.messageText = "please disconnect your camera from PC immediately "
                                              "to ensure the date&time is set correctly",
                               .defaultButton = "OK"}
                : AlertRequest{.messageText = "Reset All",
                               .informativeText = "All camera settings will be reset",
                               .defaultButton = "OK",
                               .alternateButton = "Cancel"};
        SystemDesktopServices desktopAlerts;
        QCOMPARE(desktopAlerts.runAlert(nullptr, alert), DesktopServices::kDefaultButton);
    } else if (steps == QLatin1String("waiting")) {
        finder.showWaiting();
    } else if (steps == QLatin1String("chooser")) {
        finder.showChoice({{"/media/u/CAMERA", "CAMERA", "FW001", 0},
                           {"/media/u/OTHER", "OTHER", "", 3LL << 30}});
    } else {
        program = startProgram(volume.startPath(), desktop);
        for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            QVERIFY(runStep(*program, desktop, volume, step));
        }
        widget<QWidget>(*program, "cameraDetails")->hide(); // the scratch volume's free space
        shown = program->window();
    }
    if (image.isNull()) {
        image = shown->grab().toImage();
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QString name = QString::fromLatin1(QTest::currentDataTag())
                             .replace(QRegularExpression(QStringLiteral("[^a-z]+")), "-");
    const QString reference = QStringLiteral(VANTORELLE_TEST_PICTURES "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("VANTORELLE_UPDATE_PICTURES")) {
        QVERIFY(image.save(reference));
    }
    const QString actual = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
    const bool same = image == QImage(reference).convertToFormat(QImage::Format_ARGB32);
    if (!same) {
        image.save(actual);
    }
    QVERIFY2(same, qPrintable(QStringLiteral("%1 differs from %2").arg(actual, reference)));
}

namespace {

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

void WindowTest::theKeyboardAloneWorksTheWindow() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QWidget* window = program->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto button = [&](const char* name) { return widget<BlackScroller>(*program, name); };

    // Focus starts on the page's first group, not on a link: Space opens no browser.
    QCOMPARE(QApplication::focusWidget(), button("buttonPAL"));
    QVERIFY(button("buttonPAL")->showsFocusRing());
    press(Qt::Key_Space);
    QVERIFY(desktop.opened.isEmpty());
    // Return and Enter press the focused button as Space does.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button("buttonNTSC"));
    press(Qt::Key_Return);
    button("button60HZ")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(volume.config(), generalWith("[1,3,2,1,1,2,25,12,43,18,30,5,1,]"));
    // A link reached by Tab shows its ring; a mouse click on it leaves none.
    button("buttonTavikWeb")->setFocus(Qt::TabFocusReason);
    QVERIFY(button("buttonTavikWeb")->showsFocusRing());
    QTest::mouseClick(button("buttonTavikWeb"), Qt::LeftButton);
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(!button("buttonTavikWeb")->showsFocusRing());

    // On the Date and Time page, Escape acts as Back: the General page again, focus on Date Set,
    // nothing stored.
    button("buttonAutoDateSet")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(visiblePage(*program), QStringLiteral("dateSetView"));
    const QByteArray stored = volume.config();
    widget<QWidget>(*program, "timePicker")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Up);
    press(Qt::Key_Escape);
    QCOMPARE(visiblePage(*program), QStringLiteral("generalView"));
    QCOMPARE(QApplication::focusWidget(), button("buttonAutoDateSet"));
    QCOMPARE(volume.config(), stored);
    // A second start on this camera brings the window back to the front, keyboard and all.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    program->bringToFront();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void WindowTest::clockFaceInputSetsTheTime_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("edits");
    // The inputs, separated by commas; the time then and the number of edits reported.
    const auto row = [](const char* name, const char* inputs, const char* time, int edits) {
        QTest::newRow(name) << QString::fromLatin1(inputs).split(QStringLiteral(", "))
                            << QTime::fromString(QLatin1String(time)) << edits;
    };
    row("set by the program", "set 10:08:37, set 22:45:00", "22:45:00", 0);
    row("invalid time", "set 10:08:37, set 25:00:00", "00:00:00", 0);
    row("up past midnight", "set 23:59:00, key Up", "00:00:00", 1);
    row("up and down", "set 23:59:00, key Up, key Down", "23:59:00", 2);
    row("up keeps the seconds", "set 12:30:15, key Up", "12:31:15", 1);
    row("page keys step hours", "set 23:10:05, key PageUp, key PageDown, key PageDown", "22:10:05",
        3);
    row("other keys", "set 07:20:00, key Left, key A", "07:20:00", 0);
    row("wheel notches step hours", "set 23:15:30, wheel 120, wheel -120, wheel -120", "22:15:30",
        3);
    row("wheel fractions add up", "set 09:00:00, wheel 40, wheel 40, wheel 40", "10:00:00", 1);
    // The sums stay far from overflowing (the sanitizer build stops at a signed overflow); a
    // day's worth of notches or more turns the clock a day at most.
    row("huge wheel deltas", "set 09:00:00, wheel 40, wheel max, wheel min, wheel min", "10:00:00",
        1);
    row("press at three o'clock", "set 10:08:37, press 15, release 15", "10:15:00", 1);
    row("other buttons", "set 10:08:37, rpress 15", "10:08:37", 0);
    row("dragging clockwise onto the next hour",
        "set 23:50:00, press 55, drag 58, drag 2, release 2", "00:02:00", 3);
    row("dragging clockwise across twelve",
        "set 23:50:00, press 55, drag 58, drag 2, drag 10, release 10", "00:10:00", 4);
    row("dragging back across twelve", "set 00:05:00, press 3, drag 57, release 57", "23:57:00", 2);
    row("dragging within the hour",
        "set 14:00:00, press 5, drag 20, drag 40, drag 55, drag 30, release 30", "14:30:00", 5);
}

void WindowTest::clockFaceInputSetsTheTime() {
    QFETCH(QStringList, inputs);
    ClockFace face;
    face.resize(kSide, kSide);
    QSignalSpy edits(&face, &ClockFace::timeEdited);
    for (const QString& input : inputs) {
        send(face, input);
    }
    QTEST(face.time(), "time");
    QTEST(int(edits.count()), "edits");
    // The last edit reports the time the face shows.
    QVERIFY(edits.isEmpty() || edits.last().at(0).toTime() == face.time());
    QCOMPARE(face.accessibleDescription(), face.time().toString(QStringLiteral("HH:mm:ss")));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
