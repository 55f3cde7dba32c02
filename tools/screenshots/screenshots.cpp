// Saves a picture of every page of the window, started on a camera volume, for the README and
// for looking at the window without clicking through it:
//   screenshots <volume> <output folder>
// The volume must hold ActionConfig; the pictures are general.png, photo.png, video.png and
// datetime.png.
#include "applook.h"
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
    return failures == 0 ? 0 : 1;
}
