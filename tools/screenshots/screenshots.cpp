// Saves a picture of every page of the window, started on a camera volume, for the README and
// for looking at the window without clicking through it:
//   screenshots <volume> <output folder>
// The volume must hold ActionConfig; the pictures are general.png, photo.png, video.png,
// datetime.png, and waiting.png and choose.png of the installed program's camera finder.
#include "applook.h"
#include "camerafinder.h"
#include "camerapaths.h"
#include "tavik_camappdelegate.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshots <camera volume> <output folder>\n");
        return 2;
    }
    applyApplicationLook();
    installTranslations();
    open_path = QFile::encodeName(QDir(QFile::decodeName(argv[1])).absolutePath() +
                                  QStringLiteral("/vantorelle.app/vantorelle"))
                    .toStdString();
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
    };
    int failures = 0;
    for (const auto& page : pages) {
        (program.*page.show)();
        QCoreApplication::processEvents();
        if (page.file != nullptr &&
            !program.window()->grab().save(output.filePath(QLatin1String(page.file)))) {
            std::fprintf(stderr, "cannot write %s\n", page.file);
            ++failures;
        }
    }
    // The installed program's window: waiting for a camera, and choosing among two.
    CameraFinder finder;
    finder.showWaiting();
    QCoreApplication::processEvents();
    failures += finder.grab().save(output.filePath(QStringLiteral("waiting.png"))) ? 0 : 1;
    CameraDetails camera = describeCamera(QDir(QFile::decodeName(argv[1])).absolutePath());
    CameraDetails second{QStringLiteral("/media/user/CAMERA 2"), QStringLiteral("CAMERA 2"),
                         QStringLiteral("FW002"), 31'457'280'000};
    finder.showChoice({camera, second});
    QCoreApplication::processEvents();
    failures += finder.grab().save(output.filePath(QStringLiteral("choose.png"))) ? 0 : 1;
    return failures == 0 ? 0 : 1;
}
