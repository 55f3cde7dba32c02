#include "applook.h"
#include "cameralock.h"
#include "camerapaths.h"
#include "camerasearch.h"
#include "commandline.h"
#include "commands.h"
#include "launcher.h"
#include "logging.h"
#include "tavik_camappdelegate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// On Windows the program is a window program without a console of its own: what it prints
// for a command, help or the version goes to the console it was started from, if any.
void useStartingConsole() {
#ifdef Q_OS_WIN
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        (void)std::freopen("CONOUT$", "w", stdout);
        (void)std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// The absolute path of the running executable.
std::string startPathOf(int argc, char* argv[]) {
    const QString started = argc > 0 ? QFile::decodeName(argv[0]) : QString();
    const QString executable =
        QDir::isAbsolutePath(started) ? started : QCoreApplication::applicationFilePath();
    return QFile::encodeName(QDir::fromNativeSeparators(executable)).toStdString();
}

// Started from the camera's card: the camera is the one beside the program, and the program
// ends when it goes away.
int runFromCard(QApplication& app) {
    CameraLock lock(QFile::decodeName(QByteArray::fromStdString(volumeRootOf(open_path))));
    if (!lock.acquire()) {
        return 0;
    }
    Tavik_CamAppDelegate delegate;
    QObject::connect(&delegate, &Tavik_CamAppDelegate::programEnded, &app, &QCoreApplication::quit);
    QObject::connect(&lock, &CameraLock::raiseRequested, &delegate,
                     &Tavik_CamAppDelegate::bringToFront);
    if (!delegate.applicationDidFinishLaunching()) {
        return 1;
    }
    return QApplication::exec();
}

// Installed on the computer: find the camera, wait for one, or use the one named.
int runInstalled(const QString& volume) {
    std::unique_ptr<VolumeSource> volumes;
    if (volume.isEmpty()) {
        volumes = std::make_unique<MountedVolumes>();
    } else {
        volumes = std::make_unique<GivenVolumes>(QStringList{volume});
    }
    SystemDesktopServices desktop;
    CameraLauncher launcher(volumes.get(), &desktop);
    QObject::connect(&launcher, &CameraLauncher::finished, qApp, &QCoreApplication::exit);
    QTimer::singleShot(0, &launcher, &CameraLauncher::start);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    routeConfigLog();
    QCoreApplication::setApplicationName(QStringLiteral("vantorelle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VANTORELLE_VERSION));
    const CommandLine command = readCommandLine(argumentsOf(argc, argv));
    if (command.exit || !command.command.isEmpty()) {
        useStartingConsole();
    }
    if (command.exit) {
        // Nothing more can be said when the terminal is gone.
        (void)std::fputs(command.output.toLocal8Bit().constData(), stdout);
        (void)std::fputs(command.error.toLocal8Bit().constData(), stderr);
        return command.status;
    }
    if (!command.command.isEmpty()) {
        return runCommand(command, stdin, stdout, stderr);
    }

    QApplication app(argc, argv);
    // The program ends after the end-of-program steps that follow the window's closing.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantorelle.vantorelle"));
    applyApplicationLook();
    installTranslations();

    open_path = startPathOf(argc, argv);
    if (command.volume.isEmpty() && canOpenConfig(configPathFor(open_path))) {
        return runFromCard(app);
    }
    return runInstalled(command.volume);
}
