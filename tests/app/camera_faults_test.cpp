// What a camera card does to the whole program: a step of a save failing with the card's
// errors, a card that really is read-only or full, hostile files and volume names, and the
// camera going away between clicks, during a save or under an alert. The program never crashes
// or hangs, never leaves a temporary file, the camera's file is always whole (the old one or
// the new one), and the window shows what the card holds.
//
// The tests run as root in CI, where permission bits deny nothing: a file without read or
// write permission is the card's file calls refusing with EACCES.
#include "app_test_support.h"

#include "blackscroller.h"
#include "camerapaths.h"
#include "cardticker.h"
#include "faulty_card.h"
#include "launcher.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <chrono>

#ifdef __linux__
#include <sys/mount.h>
#else
// No tmpfs can be mounted as the card: the rows on a real card are skipped.
constexpr unsigned long MS_REMOUNT = 0, MS_RDONLY = 0;
inline int mount(const char*, const char*, const char*, unsigned long, const void*) {
    return -1;
}
#endif

namespace {

void vanish(const CameraVolume& volume, bool wholeVolume) {
    if (wholeVolume) {
        QDir(volume.root()).removeRecursively();
    } else {
        volume.removeConfig();
    }
}

const QStringList kUntouched{"ActionConfig", "DCIM", "vantorelle.app"};
const QStringList kFileGone{"DCIM", "vantorelle.app"};
const QString kNoCamera = QStringLiteral("Connection failed.  Please connect your camera.");

// What the notice says first for the error a save failed with.
QString causeOf(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("The card is full.");
    case EROFS:
    case EACCES:
        return QStringLiteral("The card is write-protected.");
    default:
        return QStringLiteral("The card could not be written.");
    }
}

// The settings without the date and time, which the window shows from the computer's clock
// when the file holds none.
QString withoutClock(const QString& settings) {
    return settings.section(QLatin1Char(' '), 0, -3);
}

} // namespace

Q_DECLARE_METATYPE(Fault)

class CameraFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void aFailedSaveShowsWhatTheCardHoldsAndWhy_data();
    void aFailedSaveShowsWhatTheCardHoldsAndWhy();
    void anyFileStartsOrIsNoCameraAndAClickWritesOrNothing_data();
    void anyFileStartsOrIsNoCameraAndAClickWritesOrNothing();
    void theCameraGoingAwayEndsTheProgram_data();
    void theCameraGoingAwayEndsTheProgram();
    void anotherWriterDuringASaveIsKept();
    void aCardThatDoesNotAnswerLeavesTheWindowAnswering();
    void thePresenceTickKeepsItsPeriodOffTheWindowsThreadAndStopsAtOnce();
};

void CameraFaultsTest::aFailedSaveShowsWhatTheCardHoldsAndWhy_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("next");
    QTest::addColumn<QByteArray>("expected");
    // One setting of each kind of page, the clock, reset all and the format request: the steps
    // up to the click whose save fails, a later click on the same line and the file it writes.
    const struct {
        const char* name;
        const char* steps;
        const char* next;
        QByteArray expected;
    } choices[] = {
        // Another line next: the refused change must not ride along with it.
        {"photo resolution", "PhotoUI 3MP", "NTSC",
         kPhoto + kVideo + "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware},
        {"full HD resolution", "VideoUI 960P", "720P30",
         kPhoto + "[1,2,1,2,0,0,0,0,0,0,0,0,0,]\n" + kGeneral + kFirmware},
        {"TV system", "NTSC", "60HZ",
         kPhoto + kVideo + "[1,3,1,1,1,2,25,12,43,18,30,5,1,]\n" + kFirmware},
        {"camera clock", "AutoDateSet date=2030-05-06 time=07:08:09 AutoDateOK", "NTSC",
         kPhoto + kVideo + "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware},
        {"reset all", "AutoResetAll", "AutoResetAll",
         "[1,1,2,1,1,0,0,0,0,0,0,0,0]\n" + kVideo + "[1,3,2,2,1,1,25,12,43,18,30,5,2,]\n" +
             kFirmware},
        {"format request", "AutoFormatOK", "AutoFormatOK",
         kFullConfig + "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"},
    };
    // Each step of a save failing is the settings library's test; here one failing step for
    // each cause the notice names, and a real card: a small tmpfs mounted as the camera's
    // volume, made read-only or filled while the window is open (no call named).
    const struct {
        Call call;
        int error;
        const char* name;
    } faults[] = {{Call::Create, ENOSPC, "creating the new file fails with ENOSPC"},
                  {Call::Write, EROFS, "writing fails with EROFS"},
                  {Call::Rename, EIO, "the rename fails with EIO"},
                  {Call::None, EROFS, "the card remounted read-only"},
                  {Call::None, ENOSPC, "the card full"},
                  {Call::None, EACCES, "the file made read-only"}};
    for (const auto& c : choices) {
        for (const auto& f : faults) {
            QTest::addRow("%s, %s", c.name, f.name)
                << QString::fromLatin1(c.steps) << static_cast<int>(f.call) << f.error << c.next
                << c.expected;
        }
    }
}

void CameraFaultsTest::aFailedSaveShowsWhatTheCardHoldsAndWhy() {
    QFETCH(QString, steps);
    QFETCH(int, call);
    QFETCH(int, error);
    QFETCH(QString, next);
    const bool real = call == static_cast<int>(Call::None);
    const CameraVolume volume(kLooseConfig);
    const QByteArray root = QFile::encodeName(volume.root());
    const char* options = "size=64k";
    const auto unmount = qScopeGuard([&] {
        if (real) {
            unmountCard(volume.root());
        }
    });
    if (real) {
        if (::mount("tmpfs", root.constData(), "tmpfs", 0, options) != 0) {
            QSKIP("mounting a tmpfs as the card is not permitted here (needs root)");
        }
        QVERIFY(QDir(volume.root()).mkpath("vantorelle.app") && QDir(volume.root()).mkpath("DCIM"));
        volume.setConfig(kLooseConfig);
    }
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    QStringList before = steps.split(QLatin1Char(' '));
    const QString clicked = before.takeLast();
    for (const QString& step : before) {
        QVERIFY(runStep(*program, desktop, volume, step));
    }
    QFile filler(volume.root() + QStringLiteral("/filler"));
    QFile config(volume.configPath());
    if (real && error == EROFS) {
        QCOMPARE(::mount("tmpfs", root.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, options), 0);
    } else if (real && error == EACCES) {
        QVERIFY(config.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (real) {
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) {
        }
    }
    {
        const FaultyCard card({static_cast<Call>(call), error});
        QVERIFY(runStep(*program, desktop, volume, clicked));
        QCOMPARE(FaultyCard::hits(), real ? 0 : 1);
    }
    if (real && error == EROFS) {
        QCOMPARE(::mount("tmpfs", root.constData(), "tmpfs", MS_REMOUNT, options), 0);
    } else if (real && error == EACCES) {
        QVERIFY(config.setPermissions(config.permissions() | QFile::WriteOwner));
    } else if (real) {
        filler.close(); // its last block may fail to flush on the full card
        QVERIFY(QFile::remove(filler.fileName()));
    }
    QCOMPARE(volume.config(), kLooseConfig);
    QCOMPARE(volume.entries(), kUntouched);
    QCOMPARE(shownSettings(*program), storedSettings(volume));
    QVERIFY(!visiblePage(*program).contains(QLatin1String("format")));
    const auto* notice = widget<QLabel>(*program, "saveNotice");
    QVERIFY(notice->isVisible());
    QVERIFY2(notice->text().startsWith(causeOf(error)), qPrintable(notice->text()));
    QVERIFY(program->window()->isVisible());

    QVERIFY(runStep(*program, desktop, volume, next));
    QTEST(volume.config(), "expected");
    QCOMPARE(volume.entries(), kUntouched);
    QVERIFY(!notice->isVisible());
}

void CameraFaultsTest::anyFileStartsOrIsNoCameraAndAClickWritesOrNothing_data() {
    QTest::addColumn<QString>("volumeName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Fault>("fault");
    // "no camera", or the settings shown at start and after one click on the TV system: "=" for
    // what the card's file holds, nothing for no check.
    QTest::addColumn<QString>("atStart");
    QTest::addColumn<QString>("afterClick");
    QTest::addColumn<int>("saves");
    const auto row = [](const char* name, const QByteArray& bytes, const Fault& fault,
                        const QString& atStart, const QString& afterClick, int saves,
                        const QString& volumeName = QStringLiteral("CAMERA")) {
        QTest::newRow(name) << volumeName << bytes << fault << atStart << afterClick << saves;
    };
    // Volume names a shell would read as commands, quoting or several words, or that only look
    // like other paths: the program uses the volume's own file and media folder.
    const std::pair<const char*, QString> names[] = {
        {"spaces", "MY  CAM ERA "},
        {"quotes", "it's \"mine\""},
        {"shell syntax", "$(touch x) `touch y`;a & b|c $HOME ${IFS}x ~ * ? [a-z] {a,b}"},
        {"newline", "CAM\ntouch x\n"},
        {"leading dash", "-rf --help"},
        {"backslashes and percent escapes", "C:\\DCIM\\ \\n 100% %2F%00 #1?"},
        {"non-ASCII", QStringLiteral("Kamera \u00e9t\u00e9 \u6444\u50cf \U0001F4F7")},
        {"longest name", QString(85, QChar(0x6444))}, // 255 bytes in UTF-8
        {"hostile parent folders", "$(a)/`b`/;c/CAM"},
        {"bundle name at the start of the volume name", "vantorelle.app backup"},
    };
    for (const auto& [name, volumeName] : names) {
        row(name, kFullConfig, {}, "=", "=", 1, volumeName);
    }
    // How odd bytes decode and are written back is the golden files' and the fuzzer's part. A
    // file without a loadable general line cannot hold the TV system: the click writes nothing.
    QByteArray junk(4096, '\0');
    for (qsizetype i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<char>(i * 131 % 251);
    }
    row("the camera's own file", kFullConfig, {}, "=", "=", 1);
    row("empty", {}, {}, "=", "", 0);
    row("binary junk", junk, {}, "=", "", 0);
    row("10 MB", kFullConfig.repeated((qsizetype{10} << 20) / kFullConfig.size()), {}, "=", "=", 1);
    row("every line twice", kFullConfig + kFullConfig, {}, "=", "=", 1);
    row("no file", {}, {}, "no camera", "", 0);
    row("folder named ActionConfig", {}, {}, "no camera", "", 0);
    row("no read permission", kFullConfig, {Call::OpenRead, EACCES}, "no camera", "", 0);
    // Found, then gone for the load: the window starts from the defaults, and the click loads
    // the file, shows it and saves nothing in place of it.
    const QString defaults =
        QStringLiteral("16MP Single 1080P 720P60 NTSC 60HZ Auto3 - 2013-01-01 00:00:00");
    row("the load after the check fails", kFullConfig, {Call::OpenRead, ENOENT, 2}, defaults, "=",
        1);
    row("no write permission", kFullConfig, {Call::Create, EACCES}, "=", "=", 0);
    row("read error on every read", kFullConfig, {Call::Read, EIO, 0}, defaults, defaults, 0);
}

void CameraFaultsTest::anyFileStartsOrIsNoCameraAndAClickWritesOrNothing() {
    QFETCH(QString, volumeName);
    QFETCH(QByteArray, bytes);
    QFETCH(Fault, fault);
    QFETCH(QString, atStart);
    QFETCH(QString, afterClick);
#ifdef _WIN32
    if (volumeName.contains(QRegularExpression(QStringLiteral("[\\\\:*?\"<>|\\x00-\\x1f]")))) {
        QSKIP("Windows does not let a folder's name hold this");
    }
#endif
    const CameraVolume volume(bytes, volumeName);
    const QString tag = QLatin1String(QTest::currentDataTag());
    if (tag == QLatin1String("no file") || tag.startsWith(QLatin1String("folder"))) {
        QVERIFY(volume.removeConfig());
    }
    if (tag.startsWith(QLatin1String("folder"))) {
        QVERIFY(QDir().mkdir(volume.configPath()));
    }
    FakeDesktop desktop;
    const FaultyCard card(fault);
    const auto program = startProgram(volume.startPath(), desktop);
    if (atStart == QLatin1String("no camera")) {
        QVERIFY(program == nullptr);
        QCOMPARE(desktop.alerts.size(), 1);
        QCOMPARE(desktop.alerts[0].informativeText, kNoCamera);
        QCOMPARE(desktop.alerts[0].defaultButton, QStringLiteral("OK"));
        QCOMPARE(FaultyCard::saves(), 0);
        QCOMPARE(volume.entries(), bytes.isEmpty() && !tag.startsWith(QLatin1String("folder"))
                                       ? kFileGone
                                       : kUntouched);
        return;
    }
    QVERIFY(program != nullptr);
    QVERIFY(desktop.alerts.isEmpty());
    QCOMPARE(fromSystemPath(configfile_path), volume.configPath());
    const auto check = [&](const QString& expected) {
        const config_io::ScopedOps plain(config_io::systemOps());
        if (expected == QLatin1String("=")) {
            QCOMPARE(withoutClock(shownSettings(*program)), withoutClock(storedSettings(volume)));
        } else {
            QCOMPARE(shownSettings(*program), expected);
        }
    };
    check(atStart);
    // The presence watch looks at the file a few times; nothing is written before a click.
    const QSignalSpy ended(program.get(), &Tavik_CamAppDelegate::programEnded);
    QTest::qWait(300);
    QCOMPARE(ended.count(), 0);
    QCOMPARE(volume.config(), bytes);

    const bool ntsc = shownSettings(*program).contains(QLatin1String("NTSC"));
    QVERIFY(click(*program, ntsc ? QStringLiteral("buttonPAL") : QStringLiteral("buttonNTSC")));
    QTEST(FaultyCard::saves(), "saves");
    const config_io::ScopedOps plain(config_io::systemOps());
    QCOMPARE(volume.entries(), kUntouched);
    if (FaultyCard::saves() == 0) {
        QCOMPARE(volume.config(), bytes);
    }
    if (!afterClick.isEmpty()) {
        check(afterClick);
    }
    QVERIFY(click(*program, QStringLiteral("buttonBrowse")));
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(volume.root() + "/DCIM")});
}

namespace {

// When the camera goes away, besides before a call of the save.
enum When { BeforeClick = 100, UnderAlert, UnderCancelledAlert };

} // namespace

void CameraFaultsTest::theCameraGoingAwayEndsTheProgram_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("when"); // BeforeClick, UnderAlert, or the save's call it comes before
    QTest::addColumn<bool>("wholeVolume");
    QTest::addColumn<QString>("click"); // a button, "close" the window, or none
    QTest::addColumn<bool>("fileLeft");
    const auto row = [](const char* name, const QStringList& steps, int when, bool whole,
                        const QString& click, bool fileLeft) {
        QTest::newRow(name) << steps << when << whole << click << fileLeft;
    };
    const int before = BeforeClick;
    const int alert = UnderAlert;
    const int cancel = UnderCancelledAlert;
    // The click comes before the presence watch has had its turn: no save may put a new file in
    // place of one that vanished (on a mount point left behind the program would run on).
    row("nothing clicked", {}, before, false, "", false);
    row("TV system", {}, before, false, "NTSC", false);
    row("TV system, whole volume gone", {}, before, true, "NTSC", false);
    row("photo resolution", {"PhotoUI"}, before, false, "3MP", false);
    row("camera clock", {"AutoDateSet"}, before, false, "AutoDateOK", false);
    row("sync with the computer", {"AutoDateSet"}, before, false, "SYNWithPC", false);
    row("reset all", {}, before, false, "AutoResetAll", false);
    row("format", {}, before, false, "AutoFormatOK", false);
    // During a save.
    row("file removed during the write", {}, int(Call::Write), false, "NTSC", false);
    row("volume removed during the write", {}, int(Call::Write), true, "NTSC", false);
    row("volume removed just before the rename", {}, int(Call::Rename), true, "NTSC", false);
    // The save's last look comes after the flush, just before the rename.
    row("file removed during the flush", {}, int(Call::Sync), false, "NTSC", false);
    // While an alert waits for the user, the program's timers running.
    row("reset all confirmed", {}, alert, false, "AutoResetAll", false);
    row("reset all cancelled", {}, cancel, false, "AutoResetAll", false);
    row("format confirmed", {}, alert, false, "AutoFormatOK", false);
    row("format cancelled", {}, cancel, false, "AutoFormatOK", false);
    row("reset all, whole volume gone", {}, alert, true, "AutoResetAll", false);
    row("end-of-program warning", {"AutoDateSet", "SYNWithPC"}, alert, false, "close", false);
    // The camera stays: closing the window ends the program without a word.
    row("window closed", {}, int(Call::None), false, "close", true);
}

// The program installed on the computer: the camera going away leaves the waiting window,
// closing the window by hand ends the program. An alert open at that moment is closed first.
void CameraFaultsTest::theCameraGoingAwayEndsTheProgram() {
    QFETCH(QStringList, steps);
    QFETCH(int, when);
    QFETCH(bool, wholeVolume);
    QFETCH(QString, click);
    QFETCH(bool, fileLeft);
    const CameraVolume volume(kFullConfig);
    GivenVolumes volumes({volume.root()});
    FakeDesktop desktop;
    CameraLauncher launcher(&volumes, &desktop);
    QSignalSpy finished(&launcher, &CameraLauncher::finished);
    launcher.start();
    QTRY_VERIFY(launcher.program() != nullptr);
    Tavik_CamAppDelegate& program = *launcher.program();
    for (const QString& step : steps) {
        QVERIFY(runStep(program, desktop, volume, step));
    }
    QSignalSpy ended(&program, &Tavik_CamAppDelegate::programEnded);
    const bool alerted = when == UnderAlert || when == UnderCancelledAlert;
    if (alerted) {
        desktop.answers = {when == UnderAlert ? DesktopServices::kDefaultButton
                                              : DesktopServices::kAlternateButton};
        desktop.duringAlert = [&] {
            vanish(volume, wholeVolume);
            QTest::qWait(200);
        };
    } else if (when == BeforeClick) {
        vanish(volume, wholeVolume);
    }
    const bool close = click == QLatin1String("close");
    {
        const FaultyCard card({when < BeforeClick ? static_cast<Call>(when) : Call::None, 0, 1,
                               [&] { vanish(volume, wholeVolume); }});
        if (close) {
            program.window()->close();
        } else if (!click.isEmpty()) {
            QVERIFY(runStep(program, desktop, volume, click));
        }
    }
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 1000);
    QTRY_VERIFY(launcher.program() == nullptr);
    QTRY_COMPARE(launcher.finder()->isVisible() && launcher.finder()->isWaiting(), !close);
    QCOMPARE(finished.count(), close ? 1 : 0);
    QVERIFY(!close || finished.front().front().toInt() == 0);
    // Reset all and format ask before they look at the card; an alert the camera went away
    // under is closed by the program, the end-of-program warning is left to the user.
    QCOMPARE(desktop.alerts.size(), alerted || click == QLatin1String("AutoResetAll") ||
                                            click == QLatin1String("AutoFormatOK")
                                        ? 1
                                        : 0);
    QCOMPARE(desktop.closed, alerted && !close);
    QCOMPARE(QFile::exists(volume.configPath()), fileLeft);
    if (fileLeft) {
        QCOMPARE(volume.entries(), kUntouched);
        QCOMPARE(volume.config(), kFullConfig);
    } else if (!wholeVolume) {
        QCOMPARE(volume.entries(), kFileGone);
    }
}

// Another program replaces the file while a click's save is flushed to a slow card: the save
// finds it, takes it and makes the click's change on it.
void CameraFaultsTest::anotherWriterDuringASaveIsKept() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    const QByteArray video960 = "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n";
    {
        const FaultyCard card({Call::Sync, 0, 1, [&] {
                                   QSaveFile other(volume.configPath());
                                   other.open(QIODevice::WriteOnly);
                                   other.write(kPhoto + video960 + kGeneral + kFirmware);
                                   other.commit();
                               }});
        QVERIFY(click(*program, QStringLiteral("buttonNTSC")));
        QCOMPARE(FaultyCard::saves(), 1);
    }
    QCOMPARE(volume.config(),
             kPhoto + video960 + "[1,3,2,1,1,1,25,12,43,18,30,5,1,]\n" + kFirmware);
    QCOMPARE(shownSettings(*program), storedSettings(volume));
    QCOMPARE(visiblePage(*program), QStringLiteral("generalView"));
    QCOMPARE(volume.entries(), kUntouched);
}

// The presence watch reads on a thread of its own: the window answers, says after a second
// that the card does not respond, and forgets it once the card answers again.
void CameraFaultsTest::aCardThatDoesNotAnswerLeavesTheWindowAnswering() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(program != nullptr);
    StalledCard card;
    QElapsedTimer answered;
    answered.start();
    QTest::qWait(300);
    QVERIFY(click(*program, QStringLiteral("buttonPhotoUI")));
    QCOMPARE(visiblePage(*program), QStringLiteral("photoView"));
    QVERIFY2(answered.elapsed() < 1000, qPrintable(QString::number(answered.elapsed())));
    const auto* notice = widget<QLabel>(*program, "saveNotice");
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 2500);
    QCOMPARE(notice->text(), QStringLiteral("The card is not responding."));
    card.release();
    QTRY_VERIFY_WITH_TIMEOUT(!notice->isVisible(), 500);
    QVERIFY(program->window()->isVisible());
    // A card that stops answering again is told again.
    const StalledCard again;
    QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 2500);
}

// The tick runs on a thread of its own at its period, without catching up on ticks it missed,
// and its end does not wait for the period's.
void CameraFaultsTest::thePresenceTickKeepsItsPeriodOffTheWindowsThreadAndStopsAtOnce() {
    CardTicker ticker;
    std::atomic<int> ticks = 0;
    std::atomic<bool> onWindowThread = false;
    ticker.start(std::chrono::milliseconds(20), [&] {
        onWindowThread = onWindowThread || QThread::currentThread() == qApp->thread();
        if (++ticks == 2) {
            QThread::msleep(200); // overruns ten periods
        }
    });
    QTest::qWait(400);
    ticker.stop();
    QVERIFY(!ticker.isActive());
    QVERIFY(!onWindowThread);
    QVERIFY2(ticks >= 4 && ticks <= 15, qPrintable(QString::number(ticks)));
    const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const uint filesBefore = openFiles();
    ticker.start(std::chrono::seconds(10), [] {});
    QTest::qWait(50); // the ticker waits for its period by now
    QElapsedTimer stopping;
    stopping.start();
    ticker.stop();
    QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString::number(stopping.elapsed())));
    QCOMPARE(openFiles(), filesBefore);
}

int main(int argc, char* argv[]) {
    enterOwnMountNamespace();
    QApplication app(argc, argv);
    CameraFaultsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "camera_faults_test.moc"
