// The program installed on the computer: the waiting window and the chooser, a real unmount of
// the camera's card while its window is open, one window per camera, and the commands a script
// runs. The program runs as its real executable where a test starts it, without a display;
// cards are mounted for the test where that is permitted.
#include "app_test_support.h"

#include "blackscroller.h"
#include "camerapaths.h"
#include "camerasearch.h"
#include "launcher.h"

#include <QDateTime>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

// Set by main: the test runs in a mount namespace of its own, where it may mount.
bool canMount = false;

// A camera's card: a fresh tmpfs holding `config` as its ActionConfig, moved onto `mountPoint`
// in one step, as a desktop mounts a card that is plugged in.
bool mountCard(const QString& mountPoint, const QByteArray& config) {
    const QTemporaryDir staging;
    const QByteArray path = QFile::encodeName(staging.path());
    if (::mount("camera", path.constData(), "tmpfs", 0, "size=1m,mode=0755") != 0) {
        return false;
    }
    QFile file(staging.filePath(QStringLiteral("ActionConfig")));
    const bool written = file.open(QIODevice::WriteOnly) && file.write(config) == config.size();
    file.close();
    return ::mount(path.constData(), QFile::encodeName(mountPoint).constData(), nullptr, MS_MOVE,
                   nullptr) == 0 &&
           written;
}

// A second camera that differs from kFullConfig in every setting and holds a format request.
const QByteArray kOtherConfig = "[1,1,3,3,4,0,0,0,0,0,0,0,0]\n"
                                "[1,2,2,2,0,0,0,0,0,0,0,0,0,]\n"
                                "[1,3,2,3,1,3,1,6,50,10,11,12,2,]\n"
                                "[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"
                                "[2,FW002,ActionCamera.bin,0,0,0,0,0,0,0,0,0,0,]\n";

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run run(const QStringList& arguments, const QByteArray& input = {}) {
    QObject owner;
    QProcess* process = startVantorelle(arguments, &owner);
    process->write(input);
    process->closeWriteChannel();
    Run result;
    if (process->waitForFinished(10000) && process->exitStatus() == QProcess::NormalExit) {
        result.status = process->exitCode();
    }
    result.out = QString::fromLocal8Bit(process->readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process->readAllStandardError());
    return result;
}

// `get`'s lines without the camera's own clock and firmware.
QString settingsOnly(const QString& get) {
    QStringList lines = get.split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("camera.")); });
    return lines.join(QLatin1Char('\n'));
}

// The stored clock as `get` prints it, read back as a time.
QDateTime storedClock(const QString& get) {
    const qsizetype at = get.indexOf(QLatin1String("camera.clock="));
    return QDateTime::fromString(get.mid(at + 13, 19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

class InstalledTest : public QObject {
    Q_OBJECT

  private slots:
    void waitsThenOffersTheCamerasFound();
    void aCameraWhoseCardIsUnmountedCanGoAndComeBack_data();
    void aCameraWhoseCardIsUnmountedCanGoAndComeBack();
    void aSecondStartOnTheSameCameraEnds();
    void setChangesOnlyThatSettingOnEachCamera();
    void getIntoApplyCopiesAProfile();
    void aMissingLineFailsOnlyItsCamera();
    void usageErrorsWriteNothing_data();
    void usageErrorsWriteNothing();
    void connectedCamerasAreFoundListedAndChangedTogether();
};

// Finding, losing and finding a camera again is the real-card test below; here the waiting
// window and the chooser.
void InstalledTest::waitsThenOffersTheCamerasFound() {
    // Named like the program's bundle: the camera found is used, not one derived from a path.
    const CameraVolume camera(kFullConfig, QStringLiteral("vantorelle.app"));
    const CameraVolume other(kFullConfig, QStringLiteral("OTHER"));
    QVERIFY(camera.removeConfig());
    GivenVolumes volumes({camera.root()});
    FakeDesktop desktop;
    CameraLauncher launcher(&volumes, &desktop);
    QSignalSpy finished(&launcher, &CameraLauncher::finished);
    launcher.start();
    QVERIFY(launcher.finder()->isVisible() && launcher.finder()->isWaiting());
    QVERIFY(launcher.program() == nullptr);
    // Quit has the focus and answers the pointer as the window's buttons do.
    auto* quitButton = launcher.finder()->findChild<BlackScroller*>(QStringLiteral("quitButton"));
    QCOMPARE(launcher.finder()->focusWidget(), quitButton);
    hover(quitButton);
    QCOMPARE(quitButton->imageName(), QStringLiteral("single_hold.png"));
    leave(quitButton);

    // Two cameras: the chooser offers both; Return opens the focused one.
    camera.setConfig(kFullConfig);
    volumes.setRoots({other.root(), camera.root()});
    QVERIFY(launcher.program() == nullptr && !launcher.finder()->isWaiting());
    QCOMPARE(launcher.finder()->offered(), (QStringList{other.root(), camera.root()}));
    auto* list = launcher.finder()->findChild<QListWidget*>(QStringLiteral("cameraList"));
    QCOMPARE(launcher.finder()->focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(launcher.program() != nullptr);
    QVERIFY(!launcher.finder()->isVisible());
    QCOMPARE(QString::fromStdString(configfile_path), camera.configPath());
    QVERIFY(desktop.alerts.isEmpty());
    // Another camera coming while a window is open offers no choice.
    volumes.setRoots({camera.root(), other.root()});
    QVERIFY(!launcher.finder()->isVisible());

    // Closing the camera's window by hand ends the program.
    QCOMPARE(finished.count(), 0);
    launcher.program()->window()->close();
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.front().front().toInt(), 0);

    // Quit in the waiting window ends the program as a success too.
    GivenVolumes none({});
    CameraLauncher waiting(&none, &desktop);
    QSignalSpy quit(&waiting, &CameraLauncher::finished);
    waiting.start();
    waiting.finder()->findChild<QPushButton*>(QStringLiteral("quitButton"))->click();
    QCOMPARE(quit.count(), 1);
    QCOMPARE(quit.front().front().toInt(), 0);
}

void InstalledTest::aCameraWhoseCardIsUnmountedCanGoAndComeBack_data() {
    QTest::addColumn<bool>("given");
    QTest::newRow("found among the mounted volumes") << false;
    QTest::newRow("the folder given with --volume") << true;
}

void InstalledTest::aCameraWhoseCardIsUnmountedCanGoAndComeBack() {
    QFETCH(bool, given);
    if (!canMount) {
        QSKIP("mounting is not permitted here (needs root and a mount namespace)");
    }
    const QTemporaryDir scratch;
    const QString card = scratch.filePath(QStringLiteral("CAMERA"));
    QVERIFY(QDir().mkpath(card));
    std::unique_ptr<VolumeSource> volumes;
    if (given) {
        volumes = std::make_unique<GivenVolumes>(QStringList{card});
    } else {
        volumes = std::make_unique<MountedVolumes>();
    }
    FakeDesktop desktop;
    CameraLauncher launcher(volumes.get(), &desktop);
    launcher.start();
    QVERIFY(launcher.finder()->isWaiting());

    for (int round = 0; round < 2; ++round) {
        if (!mountCard(card, kFullConfig)) {
            QVERIFY2(round == 0, "the card could be mounted once but not again");
            QSKIP("mounting a tmpfs is not permitted here");
        }
        QTRY_VERIFY_WITH_TIMEOUT(launcher.program() != nullptr, 1000);
        QVERIFY(!CameraLock(card).acquire());
        clickButton(widget<BlackScroller>(*launcher.program(), "buttonNTSC"));
        QFile file(card + QStringLiteral("/ActionConfig"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[1,3,2,"));
        file.close();

        // A plain unmount: not lazy, not forced. The window must not keep the card busy.
        QVERIFY2(::umount2(QFile::encodeName(card).constData(), 0) == 0, std::strerror(errno));
        QTRY_VERIFY_WITH_TIMEOUT(launcher.program() == nullptr, 1000);
        QVERIFY(launcher.finder()->isVisible() && launcher.finder()->isWaiting());
        // The camera's window lock went with the camera.
        QVERIFY(CameraLock(card).acquire());
    }
}

void InstalledTest::aSecondStartOnTheSameCameraEnds() {
    const CameraVolume camera(kFullConfig);
    const QTemporaryDir runtime;
    const QStringList arguments{"-platform", "offscreen", "--volume", camera.root()};
    QProcess* first = startVantorelle(arguments, this, runtime.path());
    QVERIFY(first->waitForStarted());
    // The first program holds the camera once its lock is in the runtime folder.
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(runtime.path()).entryList({"vantorelle-*.lock"}).isEmpty(),
                             5000);
    // Only the same user may reach the window through its socket.
    QTRY_VERIFY_WITH_TIMEOUT(
        !QDir(runtime.path()).entryList({"vantorelle-*"}, QDir::System).isEmpty(), 5000);
    for (const QFileInfo& socket :
         QDir(runtime.path()).entryInfoList({"vantorelle-*"}, QDir::System)) {
        QCOMPARE(socket.permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
    }
    QProcess* second = startVantorelle(arguments, this, runtime.path());
    QVERIFY(second->waitForFinished(3000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    first->terminate();
    QVERIFY(first->waitForFinished(5000));
    QCOMPARE(camera.config(), kFullConfig);
}

void InstalledTest::setChangesOnlyThatSettingOnEachCamera() {
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const CameraVolume b(kOtherConfig, QStringLiteral("B"));
    const Run set = run({"set", "tv.system=NTSC", "--volume", a.root(), "--volume", b.root()});
    QCOMPARE(set.status, 0);
    QCOMPARE(set.out + set.err, QString());
    QCOMPARE(a.config(), QByteArray(kFullConfig).replace("[1,3,1,", "[1,3,2,"));
    QCOMPARE(b.config(), kOtherConfig);
}

void InstalledTest::getIntoApplyCopiesAProfile() {
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const CameraVolume b(kOtherConfig, QStringLiteral("B"));
    const Run get = run({"get", "--volume", a.root()});
    QCOMPARE(get.status, 0);
    QCOMPARE(get.out, QStringLiteral("photo.resolution=16MP\nphoto.mode=single\nphoto.interval=5\n"
                                     "video.fhd=1080P\nvideo.hd=720P60\ntv.system=PAL\n"
                                     "light.frequency=50Hz\nauto.power-off=1min\n"
                                     "auto.rotation=off\ncamera.clock=2013-12-25 18:30:05\n"
                                     "camera.firmware=FW001\n"));
    const Run apply = run({"apply", "-", "--volume", b.root()}, get.out.toLocal8Bit());
    QCOMPARE(apply.status, 0);
    const QString copied = run({"get", "--volume", b.root()}).out;
    QCOMPARE(settingsOnly(copied), settingsOnly(get.out));
    // B keeps its own clock, firmware and format request.
    QVERIFY(copied.contains(QLatin1String("camera.clock=2020-06-01 10:11:12")));
    QVERIFY(copied.contains(QLatin1String("camera.firmware=FW002")));
    QVERIFY(b.config().contains("[1,4,0,0,0,0,0,0,0,0,0,0,0,]\n"));
}

void InstalledTest::aMissingLineFailsOnlyItsCamera() {
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const QByteArray withoutVideo =
        QByteArray(kFullConfig).replace("[1,2,1,1,0,0,0,0,0,0,0,0,0,]\n", "");
    const CameraVolume c(withoutVideo, QStringLiteral("C"));
    const Run set = run(
        {"set", "video.fhd=960P", "tv.system=NTSC", "--volume", a.root(), "--volume", c.root()});
    QCOMPARE(set.status, 1);
    QCOMPARE(set.err, QStringLiteral("vantorelle: %1: its ActionConfig has no video line, so "
                                     "video.fhd=960P cannot be set.\n")
                          .arg(c.root()));
    QCOMPARE(c.config(), withoutVideo);
    QVERIFY(a.config().contains("[1,2,2,1,") && a.config().contains("[1,3,2,"));
}

void InstalledTest::usageErrorsWriteNothing_data() {
    QTest::addColumn<QStringList>("arguments"); // both camera folders are added after a command
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output"); // how the output starts
    QTest::addColumn<QString>("error");  // part of the error output
    const auto row = [](const char* name, const QStringList& arguments, const QString& error,
                        const QByteArray& input = {}) {
        QTest::newRow(name) << arguments << input << 2 << "" << error;
    };
    // Without any display: help, the version and usage errors never need one.
    const auto fine = [](const char* name, const QStringList& arguments, const char* output) {
        QTest::newRow(name) << arguments << QByteArray() << 0 << output << "";
    };
    fine("version", {"--version"}, "vantorelle 1.0.0\n");
    fine("short version", {"-v"}, "vantorelle 1.0.0\n");
    fine("toolkit option kept", {"-platform", "offscreen", "--version"}, "vantorelle 1.0.0\n");
    fine("help", {"--help"}, "Usage: vantorelle [options]");
    fine("help's keys", {"--help"},
         "camera.clock=YYYY-MM-DD HH:MM:SS\n  camera.firmware (read only)\n");
    row("unknown option", {"--bogus"}, "vantorelle: Unknown option 'bogus'.");
    row("window of two", {"--volume", "/", "--volume", "/tmp"},
        "The window shows one camera: give --volume once.");
    row("volume without value", {"--volume"}, "Missing value after '--volume'.");
    row("volume without camera", {"--volume", "/nonexistent"},
        "vantorelle: /nonexistent is no camera: it holds no readable ActionConfig.\n");
    row("unknown key", {"set", "tv.system=NTSC", "tv.sistem=PAL"}, "tv.sistem: no such setting");
    row("burst with VGA", {"set", "photo.mode=burst", "photo.resolution=VGA"},
        "burst shoots at 5MP only");
    row("bad profile line", {"apply", "-"},
        "standard input: line 2: photo.mode=panorama: the value is one of",
        "tv.system=NTSC\nphoto.mode=panorama\n");
    row("empty profile", {"apply", "-"}, "standard input holds no settings", "\n");
    row("unreadable profile", {"apply", "/nonexistent/profile"},
        "/nonexistent/profile cannot be read");
    row("unknown command", {"reset"}, "Unknown command: reset");
    row("missing argument", {"apply"}, "Wrong number of arguments for apply");
    row("argument too many", {"sync-clock", "now"}, "Wrong number of arguments for sync-clock");
    row("list of some", {"list", "--all"}, "list looks for the cameras itself");
    row("get of two", {"get", "--all"}, "get takes one");
}

void InstalledTest::usageErrorsWriteNothing() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    QFETCH(QString, error);
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const CameraVolume b(kOtherConfig, QStringLiteral("B"));
    if (!arguments.first().startsWith(QLatin1Char('-')) &&
        !arguments.contains(QLatin1String("--all"))) {
        arguments << "--volume" << a.root() << "--volume" << b.root();
    }
    const Run command = run(arguments, input);
    QTEST(command.status, "status");
    QVERIFY2(error.isEmpty() ? command.err.isEmpty() : command.err.contains(error),
             qPrintable(command.err));
    QVERIFY2(output.isEmpty() ? command.out.isEmpty() : command.out.contains(output),
             qPrintable(command.out));
    QCOMPARE(a.config(), kFullConfig);
    QCOMPARE(b.config(), kOtherConfig);
}

// Two cards mounted as a desktop mounts them, found without being named.
void InstalledTest::connectedCamerasAreFoundListedAndChangedTogether() {
    if (!canMount) {
        QSKIP("mounting is not permitted here: the --all and list tests need two mounted cards");
    }
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const CameraVolume b(kOtherConfig, QStringLiteral("B"));
    const auto unmount = qScopeGuard([&] {
        for (const CameraVolume* camera : {&a, &b}) {
            ::umount2(QFile::encodeName(camera->root()).constData(), MNT_DETACH);
        }
    });
    for (const CameraVolume* camera : {&a, &b}) {
        QVERIFY(mountCard(camera->root(), camera->config()));
    }
    const Run list = run({"list"});
    QCOMPARE(list.status, 0);
    const QStringList rows = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (rows.size() != 2) {
        QSKIP("another camera is connected to this computer: --all would change it too");
    }
    QVERIFY2(rows[0].startsWith(a.root() + QStringLiteral("\tFW001\t")), qPrintable(list.out));
    QVERIFY2(rows[1].startsWith(b.root() + QStringLiteral("\tFW002\t")), qPrintable(list.out));
    QVERIFY2(rows[1].endsWith(QLatin1String(" KiB")), qPrintable(list.out)); // free of 1 MiB
    // The chooser names a card without a label by its folder.
    QCOMPARE(describeCamera(a.root()).name, QStringLiteral("A"));

    const Run ambiguous = run({"get"});
    QCOMPARE(ambiguous.status, 2);
    QCOMPARE(ambiguous.out, QString());
    QVERIFY2(ambiguous.err.endsWith(list.out), qPrintable(ambiguous.err));

    QCOMPARE(run({"set", "tv.system=NTSC", "--all"}).status, 0);
    QCOMPARE(a.config(), QByteArray(kFullConfig).replace("[1,3,1,", "[1,3,2,"));
    QCOMPARE(b.config(), kOtherConfig);

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QCOMPARE(run({"sync-clock", "--all"}).status, 0);
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);
    for (const CameraVolume* camera : {&a, &b}) {
        const QDateTime stored = storedClock(run({"get", "--volume", camera->root()}).out);
        QVERIFY2(stored >= before && stored <= after, qPrintable(stored.toString()));
    }
}

int main(int argc, char* argv[]) {
    canMount = enterOwnMountNamespace();
    QApplication app(argc, argv);
    InstalledTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "installed_test.moc"
