// Saves a picture of every page and every alert of the window, started on a camera volume, for
// the README and for looking at the window without clicking through it:
//   screenshots <volume> <output folder>
// The volume must hold ActionConfig; it is written to (Burst, a clock synchronisation), so use
// a copy. The pictures are general.png, photo.png, video.png, datetime.png, burst.png (the
// Photo page in Burst with the hint of a greyed-out resolution), the alerts alert-reset.png,
// alert-format.png, alert-end.png and alert-nocamera.png, and waiting.png and choose.png of the
// installed program's camera finder. Run it under a real display server (Xvfb): burst.png is
// taken from the screen, since the hint is a window of its own.
#include "applook.h"
#include "blackscroller.h"
#include "camerafinder.h"
#include "camerapaths.h"
#include "commandline.h"
#include "tavik_camappdelegate.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <cstdio>

namespace {

int failures = 0;

void save(const QPixmap& picture, const QDir& output, const char* file) {
    if (!picture.save(output.filePath(QLatin1String(file)))) {
        std::fprintf(stderr, "cannot write %s\n", file);
        ++failures;
    }
}

// Lets the window system show and paint what was asked of it.
void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Takes a picture of the next alert once it is on screen, then dismisses it without choosing,
// which counts as Cancel.
void grabNextAlert(const QDir& output, const char* file) {
    QTimer::singleShot(300, [output, file] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            std::fprintf(stderr, "no alert for %s\n", file);
            ++failures;
            return;
        }
        save(box->grab(), output, file);
        box->reject();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshots <camera volume> <output folder>\n");
        return 2;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    applyApplicationLook();
    installTranslations();
    const QString volume = QDir(QFile::decodeName(argv[1])).absolutePath();
    open_path =
        QFile::encodeName(volume + QStringLiteral("/vantorelle.app/vantorelle")).toStdString();
    const QDir output(QFile::decodeName(argv[2]));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[2]);
        return 1;
    }

    Tavik_CamAppDelegate program;
    if (!program.applicationDidFinishLaunching()) {
        return 1;
    }
    const struct {
        void (Tavik_CamAppDelegate::*show)();
        const char* file;
    } pages[] = {
        {&Tavik_CamAppDelegate::MouseClickOnBtnGeneralUI, "general.png"},
        {&Tavik_CamAppDelegate::MouseClickOnBtnPhotoUI, "photo.png"},
        {&Tavik_CamAppDelegate::MouseClickOnBtnVideoUI, "video.png"},
        {&Tavik_CamAppDelegate::MouseClickOnBtnGeneralUI, nullptr},
        {&Tavik_CamAppDelegate::MouseClickOnBtnDateSet, "datetime.png"},
        {&Tavik_CamAppDelegate::MouseClickOnBtnBack, nullptr},
    };
    for (const auto& page : pages) {
        (program.*page.show)();
        QCoreApplication::processEvents();
        if (page.file != nullptr) {
            save(program.window()->grab(), output, page.file);
        }
    }

    // Burst greys out three resolutions; the pointer on one shows why. On VGA, the hint falls
    // where the row below leaves room.
    program.MouseClickOnBtnPhotoUI();
    program.MouseClickOnBtnBurst();
    settle(300);
    BlackScroller* vga = program.window()->findChild<BlackScroller*>(QStringLiteral("buttonVGA"));
    QToolTip::showText(vga->mapToGlobal(QPoint(4, vga->height() - 14)), vga->toolTip(), vga);
    settle(500);
    // The hint is a window of its own and may reach past the main window: the picture takes
    // both from the screen.
    QWidget* window = program.window();
    QRect frame(window->mapToGlobal(QPoint(0, 0)), window->size());
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("QTipLabel") && shown->isVisible()) {
            frame |= shown->geometry();
        }
    }
    save(window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()),
         output, "burst.png");
    QToolTip::hideText();
    program.MouseClickOnBtnGeneralUI();

    grabNextAlert(output, "alert-reset.png");
    program.MouseClickOnBtnReset();
    grabNextAlert(output, "alert-format.png");
    program.MouseClickOnBtnFormatOK();
    // The warning at the end of a run with the clock synchronised.
    program.MouseClickOnBtnSynWithPC();
    QEventLoop ending;
    QObject::connect(&program, &Tavik_CamAppDelegate::programEnded, &ending, &QEventLoop::quit);
    grabNextAlert(output, "alert-end.png");
    window->close();
    ending.exec();

    // A start without a camera.
    open_path = QFile::encodeName(volume + QStringLiteral("/no camera/vantorelle.app/vantorelle"))
                    .toStdString();
    configfile_path.clear();
    grabNextAlert(output, "alert-nocamera.png");
    Tavik_CamAppDelegate missing;
    if (missing.applicationDidFinishLaunching()) {
        std::fprintf(stderr, "a start without a camera opened the window\n");
        ++failures;
    }

    // The installed program's window: waiting for a camera, and choosing among two.
    CameraFinder finder;
    finder.showWaiting();
    QCoreApplication::processEvents();
    save(finder.grab(), output, "waiting.png");
    // Shown where a desktop mounts cards, not in the folder the pictures are taken in; the
    // second camera is open in another window.
    CameraDetails camera = describeCamera(volume);
    camera.root = QStringLiteral("/media/user/CAMERA");
    camera.name = QStringLiteral("CAMERA");
    CameraDetails second{QStringLiteral("/media/user/CAMERA 2"), QStringLiteral("CAMERA 2"),
                         QStringLiteral("FW002"), 31'457'280'000};
    second.openElsewhere = true;
    finder.showChoice({camera, second});
    QCoreApplication::processEvents();
    save(finder.grab(), output, "choose.png");
    return failures == 0 ? 0 : 1;
}
