#include "launcher.h"

#include "applook.h"
#include "camerapaths.h"
#include "commandline.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>
#include <utility>

#ifdef VANTORELLE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

constexpr int kWaitingAfterMs = 300;

} // namespace

std::string cardStartPath(const QString& root) {
    QString folder = configFileOf(root);
    folder.chop(int(std::char_traits<char>::length(kConfigFileName)));
    return systemPath(folder) + kBundleMarker + "/vantorelle";
}

CameraLauncher::CameraLauncher(VolumeSource* volumes, DesktopServices* services, QObject* parent)
    : QObject(parent), volumes_(volumes), services_(services),
      finder_(std::make_unique<CameraFinder>()) {
    connect(volumes_, &VolumeSource::changed, this, &CameraLauncher::lookAgain);
    connect(finder_.get(), &CameraFinder::chosen, this, &CameraLauncher::open);
    connect(finder_.get(), &CameraFinder::quitRequested, this, [this] {
        done_ = true;
        emit finished(0);
    });
}

CameraLauncher::~CameraLauncher() = default;

void CameraLauncher::start() {
    lookAgain();
    // A search that takes long (a volume that does not answer) shows the waiting window
    // meanwhile; one that ends at once opens the camera without it.
    QTimer::singleShot(kWaitingAfterMs, this, [this] {
        if (program_ == nullptr && !done_ && !finder_->isVisible()) {
            finder_->showWaiting();
        }
    });
}

void CameraLauncher::lookAgain() {
    if (program_ != nullptr || done_) {
        return;
    }
    if (searching_) {
        searchAgain_ = true;
        return;
    }
    searching_ = true;
    worker_.run<CameraSearch>(
        [lookup = volumes_->lookup()]() -> std::optional<CameraSearch> {
            return searchCameras(lookup);
        },
        [this](CameraSearch search) {
            searching_ = false;
            found(search);
            if (searchAgain_) {
                searchAgain_ = false;
                lookAgain();
            }
        });
}

void CameraLauncher::found(const CameraSearch& search) {
    if (program_ != nullptr || done_) {
        return;
    }
    volumes_->watch(search.roots);
    QStringList cameras;
    for (const CameraDetails& camera : search.cameras) {
        cameras << camera.root;
    }
    if (cameras.size() == 1) {
        open(cameras.front());
    } else if (cameras.isEmpty()) {
        if (!finder_->isVisible() || !finder_->isWaiting()) {
            finder_->showWaiting();
        }
    } else if (finder_->isWaiting() || !finder_->isVisible() || finder_->offered() != cameras) {
        finder_->showChoice(search.cameras);
    }
}

void CameraLauncher::open(const QString& root) {
    if (program_ != nullptr || done_) {
        return;
    }
    lock_ = std::make_unique<CameraLock>(root);
    if (!lock_->acquire()) {
        // Another window shows this camera and has been brought to the front.
        lock_.reset();
        done_ = true;
        finder_->hide();
        emit finished(0);
        return;
    }
    // The camera is named here, not derived from a start path: its folder's own name may be
    // anything, also that of the program's bundle.
    volumes_->watch({});
    open_path = cardStartPath(root);
    configfile_path = configPathOf(root);
    program_ = std::make_unique<Tavik_CamAppDelegate>(services_);
    connect(program_.get(), &Tavik_CamAppDelegate::programEnded, this,
            &CameraLauncher::programEnded, Qt::QueuedConnection);
    connect(lock_.get(), &CameraLock::raiseRequested, program_.get(),
            &Tavik_CamAppDelegate::bringToFront);
    finder_->hide();
    if (!program_->applicationDidFinishLaunching()) {
        // The camera went away between the search and the start (the user has been told).
        // Wait for the next change of the volumes rather than look again at once: a camera
        // that cannot be started would otherwise be tried over and over.
        program_.reset();
        lock_.reset();
        finder_->showWaiting();
    }
}

void CameraLauncher::programEnded() {
    if (program_ == nullptr) {
        return;
    }
    const bool cameraGone = program_->cameraWentAway();
    // Whatever called the end is still on the stack: the window goes once it has returned.
    program_.release()->deleteLater();
    lock_.reset();
    if (!cameraGone) {
        done_ = true;
        emit finished(0);
        return;
    }
    lookAgain();
}

namespace {

// What the toolkit says while it starts: held back, so that a start without a display ends with
// one line of ours instead of the toolkit's abort and its advice to reinstall.
QList<std::pair<QtMsgType, QString>> toolkitMessages;

void holdToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        // No application object is left to translate with: the language's file is read here.
        QTranslator translator;
        (void)loadTranslation(translator);
        const char* const text = QT_TRANSLATE_NOOP(
            "Commands", "vantorelle: the window needs a graphical session; \"vantorelle --help\" "
                        "lists the commands, which need none.\n");
        const QString translated = translator.translate("Commands", text);
        (void)std::fputs(translated.isEmpty() ? text : translated.toLocal8Bit().constData(),
                         stderr);
        std::_Exit(1);
    }
    toolkitMessages.append({type, message});
}

// The absolute path of the running executable.
std::string startPathOf(int argc, char* argv[]) {
    const QString started = argc > 0 ? QFile::decodeName(argv[0]) : QString();
    const QString executable =
        QDir::isAbsolutePath(started) ? started : QCoreApplication::applicationFilePath();
    return systemPath(QDir::fromNativeSeparators(executable));
}

// Started from the camera's card: the camera is the one beside the program, and the program
// ends when it goes away.
int runFromCard() {
    std::optional<CameraLock> lock(std::in_place, fromSystemPath(volumeRootOf(open_path)));
    if (!lock->acquire()) {
        return 0;
    }
    Tavik_CamAppDelegate delegate;
    QObject::connect(&delegate, &Tavik_CamAppDelegate::programEnded, qApp, &QCoreApplication::quit);
    QObject::connect(&*lock, &CameraLock::raiseRequested, &delegate,
                     &Tavik_CamAppDelegate::bringToFront);
    if (!delegate.applicationDidFinishLaunching()) {
        return 1;
    }
    const int status = QApplication::exec();
    if (delegate.cameraWentAway()) {
        // The camera and its window are gone, and nothing is left to save or to say: the
        // program ends at once instead of taking the toolkit down piece by piece (the display's
        // connection, its threads), which would only keep the camera's owner waiting. The
        // lock's files go first; a read under way on the card's thread has nothing to finish.
        lock.reset();
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
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

// Where Qt takes its fonts from fontconfig, it reads the system's font configuration (dozens of
// XML files, the largest single step of a start) when the window's first text is measured.
// Begun here on a thread of its own, it is done while the display's connection is made.
std::thread loadFontConfiguration() {
#ifdef VANTORELLE_FONTCONFIG
    return std::thread([] { (void)FcInit(); });
#else
    return {};
#endif
}

} // namespace

int runWindow(int argc, char* argv[], const QString& volume) {
    std::thread fontConfiguration = loadFontConfiguration();
    const QtMessageHandler previous = qInstallMessageHandler(holdToolkitMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : std::as_const(toolkitMessages)) {
        qt_message_output(type, QMessageLogContext(), message);
    }
    // The program ends after the end-of-program steps that follow the window's closing.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantorelle.vantorelle"));
    applyApplicationLook();
    installTranslations();
    // Before the first window measures its first text.
    if (fontConfiguration.joinable()) {
        fontConfiguration.join();
    }

    open_path = startPathOf(argc, argv);
    if (volume.isEmpty() && CameraFile::present(configPathFor(open_path))) {
        return runFromCard();
    }
    return runInstalled(volume);
}
