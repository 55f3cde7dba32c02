// The program installed on the computer: the camera search, the waiting window and the chooser,
// a real unmount of the camera's card while its window is open, and one window per camera
// through the real executable.
#include "app_test_support.h"

#include "blackscroller.h"
#include "camerapaths.h"
#include "launcher.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

// Set by main: the test runs in a mount namespace of its own, where it may mount.
bool canMount = false;

// A camera's card: a fresh tmpfs holding ActionConfig, moved onto `mountPoint` in one step,
// as a desktop mounts a card that is plugged in.
bool mountCard(const QString& scratch, const QString& mountPoint) {
    const QByteArray staging = QFile::encodeName(scratch + QStringLiteral("/staging"));
    QDir().mkpath(QFile::decodeName(staging));
    if (::mount("camera", staging.constData(), "tmpfs", 0, "size=1m,mode=0755") != 0) {
        return false;
    }
    QFile file(QFile::decodeName(staging) + QStringLiteral("/ActionConfig"));
    if (!file.open(QIODevice::WriteOnly) || file.write(kFullConfig) != kFullConfig.size()) {
        return false;
    }
    file.close();
    return ::mount(staging.constData(), QFile::encodeName(mountPoint).constData(), nullptr, MS_MOVE,
                   nullptr) == 0;
}

} // namespace

class InstalledTest : public QObject {
    Q_OBJECT

  private slots:
    void waitsThenOffersTheCamerasFound();
    void aCameraWhoseCardIsUnmountedCanGoAndComeBack_data();
    void aCameraWhoseCardIsUnmountedCanGoAndComeBack();
    void aSecondStartOnTheSameCameraEnds();
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
        QElapsedTimer elapsed;
        elapsed.start();
        if (!mountCard(scratch.path(), card)) {
            QVERIFY2(round == 0, "the card could be mounted once but not again");
            QSKIP("mounting a tmpfs is not permitted here");
        }
        QTRY_VERIFY_WITH_TIMEOUT(launcher.program() != nullptr, 1000);
        QVERIFY2(elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
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
    QElapsedTimer elapsed;
    elapsed.start();
    QProcess* second = startVantorelle(arguments, this, runtime.path());
    QVERIFY(second->waitForFinished(3000));
    QVERIFY2(elapsed.elapsed() < 3000, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
    first->terminate();
    QVERIFY(first->waitForFinished(5000));
    QCOMPARE(camera.config(), kFullConfig);
}

int main(int argc, char* argv[]) {
    canMount = enterOwnMountNamespace();
    QApplication app(argc, argv);
    InstalledTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "installed_test.moc"
