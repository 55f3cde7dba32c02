// The program installed on the computer: the waiting window and the chooser, a real unmount of
// the camera's card while its window is open, one window per camera, and the commands a script
// runs. The program runs as its real executable where a test starts it, without a display;
// cards are mounted for the test where that is permitted.
#include "app_test_support.h"

#include "blackscroller.h"
#include "cameralock.h"
#include "camerapaths.h"
#include "camerasearch.h"
#include "faulty_card.h"
#include "launcher.h"

#include <QFileInfo>
#include <QListWidget>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <cstring>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// Set by main: the test runs in a mount namespace of its own, where it may mount.
bool canMount = false;

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
    // Windows writes its text files and consoles with a carriage return before each line feed.
    result.out = QString::fromLocal8Bit(process->readAllStandardOutput()).remove(u'\r');
    result.err = QString::fromLocal8Bit(process->readAllStandardError()).remove(u'\r');
    return result;
}

} // namespace

class InstalledTest : public QObject {
    Q_OBJECT

  private slots:
    void waitsThenOffersTheCamerasFound();
    void theChooserFitsItsRowsAndEscapeQuits();
    void aCameraWhoseCardIsUnmountedCanGoAndComeBack_data();
    void aCameraWhoseCardIsUnmountedCanGoAndComeBack();
    void theWaitingWindowFindsTheCameraWhateverItsVolumeDoes();
    void aSecondStartOnTheSameCameraEnds_data();
    void aSecondStartOnTheSameCameraEnds();
    void theProgramOnTheCardEndsWithItsCamera();
    void theProgramAnswersWithoutADisplay();
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
    launcher.start();
    QTRY_VERIFY(launcher.finder()->isVisible() && launcher.finder()->isWaiting());
    QVERIFY(launcher.program() == nullptr);
    // Quit has the focus and answers the pointer as the window's buttons do.
    auto* quitButton = launcher.finder()->findChild<BlackScroller*>(QStringLiteral("quitButton"));
    QCOMPARE(launcher.finder()->focusWidget(), quitButton);
    hover(quitButton);
    QCOMPARE(quitButton->imageName(), QStringLiteral("single_hold.png"));
    leave(quitButton);

    // Two cameras, one of them open in another start's window: the chooser offers both and
    // marks that one; Return opens the focused one.
    CameraLock elsewhere(other.root());
    QVERIFY(elsewhere.acquire());
    camera.setConfig(kFullConfig);
    volumes.setRoots({other.root(), camera.root()});
    QTRY_COMPARE(launcher.finder()->offered(), (QStringList{other.root(), camera.root()}));
    QVERIFY(launcher.program() == nullptr && !launcher.finder()->isWaiting());
    auto* list = launcher.finder()->findChild<QListWidget*>(QStringLiteral("cameraList"));
    QVERIFY(list->item(0)->data(Qt::AccessibleTextRole).toString().endsWith("open in a window"));
    QVERIFY(!list->item(1)->data(Qt::AccessibleTextRole).toString().contains("window"));
    QCOMPARE(launcher.finder()->focusWidget(), list);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(launcher.program() != nullptr);
    QVERIFY(!launcher.finder()->isVisible());
    QCOMPARE(QString::fromStdString(configfile_path), camera.configPath());
    QVERIFY(desktop.alerts.isEmpty());
    // Another camera coming while a window is open offers no choice.
    volumes.setRoots({camera.root(), other.root()});
    QTest::qWait(100);
    QVERIFY(!launcher.finder()->isVisible());

    // Closing the window by hand ends the program: the camera faults' and the volume's tests.
}

// Many cameras scroll up and down only; Escape acts as Quit, waiting and choosing alike.
void InstalledTest::theChooserFitsItsRowsAndEscapeQuits() {
    CameraFinder finder;
    QSignalSpy quit(&finder, &CameraFinder::quitRequested);
    finder.showWaiting();
    QTest::keyClick(&finder, Qt::Key_Escape);
    QList<CameraDetails> cameras;
    for (int i = 0; i < 6; ++i) {
        cameras.append({"/media/someone/" + QString(60, QLatin1Char('L')) + QString::number(i),
                        "CAMERA", "FW001", 1 << 20});
    }
    finder.showChoice(cameras);
    auto* list = finder.findChild<QListWidget*>(QStringLiteral("cameraList"));
    QVERIFY(list->verticalScrollBar()->isVisible() && !list->horizontalScrollBar()->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    QCOMPARE(quit.count(), 2);
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
    QTRY_VERIFY(launcher.finder()->isWaiting());
    // The camera's window lock, as a second start of the program would find it.
    QLockFile windowLock(privateLockFolder() + QLatin1Char('/') + cameraLockName(card) +
                         QStringLiteral(".lock"));

    for (int round = 0; round < 2; ++round) {
        if (!mountCard(card, kFullConfig)) {
            QVERIFY2(round == 0, "the card could be mounted once but not again");
            QSKIP("mounting a tmpfs is not permitted here");
        }
        QTRY_VERIFY_WITH_TIMEOUT(launcher.program() != nullptr, 1000);
        QVERIFY(!windowLock.tryLock(0));
        clickButton(widget<BlackScroller>(*launcher.program(), "buttonNTSC"));
        QFile file(card + QStringLiteral("/ActionConfig"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[1,3,2,"));
        file.close();

        // A plain unmount: not lazy, not forced. The window must not keep the card busy.
        QVERIFY2(unmountCard(card, false), std::strerror(errno));
        QTRY_VERIFY_WITH_TIMEOUT(launcher.finder()->isVisible() && launcher.finder()->isWaiting(),
                                 1000);
        QVERIFY(launcher.program() == nullptr);
        // The camera's window lock went with the camera.
        QVERIFY(windowLock.tryLock(0));
        windowLock.unlock();
    }
}

// The search runs on a thread of its own, and the waiting window watches the volumes' folders.
void InstalledTest::theWaitingWindowFindsTheCameraWhateverItsVolumeDoes() {
    const CameraVolume camera(kFullConfig);
    QVERIFY(camera.removeConfig());
    GivenVolumes volumes({camera.root()});
    FakeDesktop desktop;
    {
        // A volume that does not answer: the waiting window comes all the same, and Quit ends
        // the program at once.
        const StalledCard stalled;
        CameraLauncher launcher(&volumes, &desktop);
        QSignalSpy finished(&launcher, &CameraLauncher::finished);
        launcher.start();
        QTRY_VERIFY_WITH_TIMEOUT(launcher.finder()->isVisible() && launcher.finder()->isWaiting(),
                                 1000);
        launcher.finder()->findChild<QPushButton*>(QStringLiteral("quitButton"))->click();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.front().front().toInt(), 0);
    }
    CameraLauncher launcher(&volumes, &desktop);
    launcher.start();
    QTRY_VERIFY(launcher.finder()->isWaiting());
    QTest::qWait(100);
    // ActionConfig copied back onto a card that stayed mounted: no mount table changes.
    camera.setConfig(kFullConfig);
    QTRY_VERIFY_WITH_TIMEOUT(launcher.program() != nullptr, 2000);
}

void InstalledTest::aSecondStartOnTheSameCameraEnds_data() {
    // The runtime folder others may write to, and the temporary folder's own one made by another
    // user, a lock planted in it.
    QTest::addColumn<bool>("planted");
    QTest::addColumn<bool>("firstAnswers");
    QTest::addColumn<bool>("secondEnds");
    QTest::newRow("the first window is brought to the front") << false << true << true;
    // A lock is no reason to stay away from the camera when its holder does not answer, or when
    // another user could have planted it.
    QTest::newRow("the first program does not answer") << false << false << false;
    QTest::newRow("a lock planted by another user") << true << true << false;
}

void InstalledTest::aSecondStartOnTheSameCameraEnds() {
#ifdef _WIN32
    QSKIP("a program stopped by a signal and a folder of another user are POSIX's");
#else
    QFETCH(bool, planted);
    QFETCH(bool, firstAnswers);
    QFETCH(bool, secondEnds);
    const CameraVolume camera(kFullConfig);
    const QTemporaryDir scratch;
    // Longer than a local socket's name may be.
    const QString runtime = scratch.path() + QLatin1Char('/') + QString(120, QLatin1Char('r'));
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::Permissions(planted ? 0x7755 : 0x7000));
    const QByteArray temporary = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", temporary); });
    if (planted) {
        const QString theirs = scratch.path() + QStringLiteral("/vantorelle-%1").arg(::geteuid());
        QVERIFY(QDir().mkpath(theirs));
        QVERIFY(
            QFile(theirs + '/' + cameraLockName(camera.root()) + ".lock").open(QFile::WriteOnly));
        if (::chown(QFile::encodeName(theirs).constData(), 65534, 65534) != 0) {
            QSKIP("making a folder another user's needs root");
        }
        qputenv("TMPDIR", QFile::encodeName(scratch.path()));
    }
    const QStringList arguments{"-platform", "offscreen", "--volume", camera.root()};
    QProcess* first = startVantorelle(arguments, this, runtime);
    const auto end = qScopeGuard([&] {
        ::kill(pid_t(first->processId()), SIGCONT);
        first->kill();
        first->waitForFinished(5000);
    });
    QVERIFY(first->waitForStarted());
    const QString locks = runtime + QStringLiteral("/vantorelle");
    if (!planted) {
        // The first program holds the camera once its lock is in the private folder.
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(locks).entryList({"vantorelle-*.lock"}).isEmpty(), 15000);
        QCOMPARE(QFileInfo(locks).permissions() & 0x0077, QFile::Permissions());
    } else {
        QTest::qWait(500);
        QVERIFY(!QFileInfo::exists(locks));
    }
    if (!firstAnswers) {
        QCOMPARE(::kill(pid_t(first->processId()), SIGSTOP), 0);
    }
    QProcess* second = startVantorelle(arguments, this, runtime);
    QCOMPARE(second->waitForFinished(secondEnds ? 8000 : 1500), secondEnds);
    if (secondEnds) {
        QCOMPARE(second->exitCode(), 0);
    } else {
        second->kill();
        second->waitForFinished();
    }
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(camera.config(), kFullConfig);
#endif
}

// Started from the camera's card, the program ends as soon as its camera goes away, with
// nothing of its window lock left behind.
void InstalledTest::theProgramOnTheCardEndsWithItsCamera() {
    const CameraVolume camera(kFullConfig);
    const QString bundle = camera.root() + QStringLiteral("/vantorelle.app/");
    QVERIFY(QDir().mkpath(bundle));
    for (const QString file : {VANTORELLE_EXECUTABLE, VANTORELLE_WINDOW_MODULE}) {
        QVERIFY(QFile::copy(file, bundle + QFileInfo(file).fileName()));
    }
    QObject owner; // its process is ended with it
    // The program says where its camera's file is once it watches the card (on its standard
    // error, also where Windows would send a window program's lines to a debugger).
    const QByteArray rules = qgetenv("QT_LOGGING_RULES");
    qputenv("QT_LOGGING_RULES", "vantorelle.app.debug=true");
    qputenv("QT_FORCE_STDERR_LOGGING", "1");
    QProcess* program = startVantorelle({"-platform", "offscreen"}, &owner, {},
                                        bundle + QFileInfo(VANTORELLE_EXECUTABLE).fileName());
    qputenv("QT_LOGGING_RULES", rules);
    qunsetenv("QT_FORCE_STDERR_LOGGING");
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT(
        (said += program->readAllStandardError()).contains("CONFIG_FILE_PATH="), 15000);
    const QString lock = privateLockFolder() + '/' + cameraLockName(camera.root());
    QVERIFY(QFileInfo::exists(lock + QStringLiteral(".lock")));
    QVERIFY(camera.removeConfig());
    // A tenth of a second, with room for a loaded machine and the sanitizers.
    QVERIFY(program->waitForFinished(2000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(!QFileInfo::exists(lock + QStringLiteral(".lock")));
    QVERIFY(!QFileInfo::exists(lock + QStringLiteral(".poke")));
}

// main hands the command line to the commands before any window exists.
void InstalledTest::theProgramAnswersWithoutADisplay() {
    const CameraVolume a(kFullConfig, QStringLiteral("A"));
    const Run version = run({"-platform", "offscreen", "--version"});
    QCOMPARE(version.out + version.err, QStringLiteral("vantorelle 1.0.0\n"));
    const Run get = run({"get", "--volume", a.root()});
    QCOMPARE(get.status, 0);
    QVERIFY2(get.out.contains(QLatin1String("\ntv.system=PAL\n")), qPrintable(get.out));
#ifdef _WIN32
    QSKIP("Windows always has a display, and takes the language from its settings, not LANG");
#endif
    // The window itself needs one: one line says so, instead of the toolkit's abort.
    const Run window = run({"--volume", a.root()});
    QCOMPARE(window.status, 1);
    QCOMPARE(window.err, QStringLiteral("vantorelle: the window needs a graphical session; "
                                        "\"vantorelle --help\" lists the commands, which need "
                                        "none.\n"));

    // In the user's language, the toolkit parser's texts too; keys and values stay as they are.
    // The language stays German for the rest of the test: this runs last.
    QTranslator german;
    QVERIFY(german.load(QLocale(QLocale::German), "vantorelle", "_", ":/i18n"));
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) {
        qunsetenv(name);
    }
    qputenv("LANG", "de_DE.UTF-8");
    QCOMPARE(run({"get", "--volume", a.root()}).out, get.out);
    QCOMPARE(run({"--bogus"}).err,
             german.translate("Commands", "vantorelle: %1\nTry \"vantorelle --help\" for more.\n")
                 .arg(german.translate("QCommandLineParser", "Unknown option '%1'.").arg("bogus")));
    QCOMPARE(run({"--volume", a.root()}).err,
             german.translate("Commands", "vantorelle: the window needs a graphical session; "
                                          "\"vantorelle --help\" lists the commands, which need "
                                          "none.\n"));
}

int main(int argc, char* argv[]) {
    canMount = enterOwnMountNamespace();
    QApplication app(argc, argv);
    InstalledTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "installed_test.moc"
