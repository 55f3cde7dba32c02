#include "commandline.h"

#include "camerasearch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace {

// Options of QGuiApplication and QApplication; they reach the toolkit untouched.
const char* const kToolkitOptionsWithValue[] = {"platform",      "platformpluginpath",
                                                "platformtheme", "plugin",
                                                "qmljsdebugger", "qwindowgeometry",
                                                "qwindowicon",   "qwindowtitle",
                                                "session",       "style",
                                                "stylesheet",    "display",
                                                "geometry",      "title",
                                                "name"};
const char* const kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

} // namespace

// The command line is read before the program's translations are loaded: its texts are English.
CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the settings of a connected action camera."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption volume(
        QStringLiteral("volume"), QStringLiteral("Use the camera whose card is mounted at <path>."),
        QStringLiteral("path"));
    parser.addOption(volume);
    for (const char* name : kToolkitOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList given;
    for (const QString& argument : arguments) {
        // macOS adds a process serial number when the program is started from the Finder.
        if (!argument.startsWith(QLatin1String("-psn_"))) {
            given << argument;
        }
    }
    if (given.isEmpty()) {
        given << QStringLiteral("vantorelle");
    }

    CommandLine result;
    const QString usageHint = QStringLiteral("Try \"vantorelle --help\" for more.");
    if (!parser.parse(given)) {
        result.exit = true;
        result.status = kUsageError;
        result.error = QStringLiteral("vantorelle: %1\n%2\n").arg(parser.errorText(), usageHint);
        return result;
    }
    if (parser.isSet(help)) {
        result.exit = true;
        // The parser names the program only once an application object exists.
        result.output = parser.helpText().replace(QLatin1String("<executable_name>"),
                                                  QLatin1String("vantorelle"));
        return result;
    }
    if (parser.isSet(version)) {
        result.exit = true;
        result.output =
            QStringLiteral("vantorelle %1\n").arg(QCoreApplication::applicationVersion());
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.exit = true;
        result.status = kUsageError;
        result.error = QStringLiteral("vantorelle: %1\n%2\n")
                           .arg(QStringLiteral("Unexpected argument: %1")
                                    .arg(parser.positionalArguments().constFirst()),
                                usageHint);
        return result;
    }
    if (parser.isSet(volume)) {
        const QString path = QDir::cleanPath(QDir::fromNativeSeparators(parser.value(volume)));
        if (path.isEmpty() || !isCameraRoot(path)) {
            result.exit = true;
            result.status = kUsageError;
            result.error =
                QStringLiteral("vantorelle: %1\n")
                    .arg(QStringLiteral("%1 is no camera: it holds no readable ActionConfig.")
                             .arg(QDir::toNativeSeparators(parser.value(volume))));
            return result;
        }
        result.volume = QDir(path).absolutePath();
    }
    return result;
}
