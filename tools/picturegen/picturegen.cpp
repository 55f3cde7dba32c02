// picturegen - draws every picture of the application: the button pieces,
// page menu, switch, logo and header icons (resources/images, committed),
// the application icon and a few demo photos for a sample camera volume.
//
// Everything is drawn with QPainter and is deterministic, so the committed
// files only change when the drawing code does. After editing, rerun
//   cmake --build build --target pictures
// which runs "picturegen --out resources/images". Other modes:
//   picturegen --icon DIR    application icon, 512 px down to 16 px
//   picturegen --dcim DIR    DSC_0001.JPG ... DSC_0004.JPG demo photos

#include "drawing.h"
#include "generators.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool prepareDirectory(const QString& path, QDir& dir) {
    dir = QDir(path);
    if (dir.mkpath(QStringLiteral(".")))
        return true;
    picturegen::reportError(QStringLiteral("cannot create directory %1").arg(path));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Fonts need a platform plugin, but nothing is ever shown on screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("picturegen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of vantorelle."));
    parser.addHelpOption();
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Write the UI pictures (1x and @2x) to <dir>."),
        QStringLiteral("dir"));
    const QCommandLineOption dcimOption(
        QStringLiteral("dcim"), QStringLiteral("Write demo photos DSC_0001.JPG ... to <dir>."),
        QStringLiteral("dir"));
    const QCommandLineOption iconOption(QStringLiteral("icon"),
                                        QStringLiteral("Write the application icon to <dir>."),
                                        QStringLiteral("dir"));
    parser.addOptions({outOption, dcimOption, iconOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty() ||
        !(parser.isSet(outOption) || parser.isSet(dcimOption) || parser.isSet(iconOption))) {
        QTextStream(stderr) << parser.helpText();
        return 2;
    }

    struct Job {
        const QCommandLineOption& option;
        bool (*write)(const QDir&);
    };
    const Job jobs[] = {
        {outOption, picturegen::writeUiPictures},
        {dcimOption, picturegen::writeSamplePhotos},
        {iconOption, picturegen::writeAppIcon},
    };
    for (const Job& job : jobs) {
        if (!parser.isSet(job.option))
            continue;
        QDir dir;
        if (!prepareDirectory(parser.value(job.option), dir) || !job.write(dir))
            return 1;
    }
    return 0;
}
