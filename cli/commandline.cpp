#include "commandline.h"

#include "camerapaths.h"
#include "camerasearch.h"
#include "completion.h"
#include "setting_choices.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <iterator>

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#endif

namespace {

// The parser's own texts, translated in the program's files: it ships no toolkit translations.
[[maybe_unused]] const char* const kParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
};

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

QString commandsHelp() {
    QString text =
        Commands::tr("\nCommands (they need no display and never open a window):\n"
                     "  list              One line per connected camera: its folder, firmware\n"
                     "                    and free space, separated by tabs. With --json, an\n"
                     "                    array of objects: folder, label, firmware, bytesFree,\n"
                     "                    bytesTotal and formatRequest.\n"
                     "  get               The camera's settings, one key=value line each. With\n"
                     "                    --json, one object with the same keys.\n"
                     "  set KEY=VALUE...  Changes settings as the window's buttons do (burst\n"
                     "                    shoots at 5MP) and saves each camera's file once.\n"
                     "  apply FILE        Sets what FILE holds, in the form get prints; - reads\n"
                     "                    standard input. The clock and firmware lines are\n"
                     "                    passed over, so this copies camera A's settings to\n"
                     "                    every connected camera:\n"
                     "                      vantorelle get --volume A | vantorelle apply - --all\n"
                     "  sync-clock        Sets the camera's clock to the computer's local time.\n"
                     "Without --volume or --all a command works on the one connected camera.\n"
                     "\nSettings:\n");
    for (const SettingKeyInfo& key : settingKeys()) {
        QStringList values;
        for (const SettingValueName& value : key.values) {
            values << QString::fromLatin1(value.name.data(), qsizetype(value.name.size()));
        }
        if (key.key == SettingKey::Clock) {
            values << QStringLiteral("YYYY-MM-DD HH:MM:SS");
        }
        const QString name = QString::fromLatin1(key.name.data(), qsizetype(key.name.size()));
        text += key.key == SettingKey::Firmware
                    ? Commands::tr("  %1 (read only)\n").arg(name)
                    : QStringLiteral("  %1=%2\n").arg(name, values.join(QLatin1Char('|')));
    }
    text += Commands::tr("\nExit status: 0 done; 1 a camera could not be read or changed; 2 "
                         "usage error,\nand then nothing was written.\n");
    return text;
}

CommandLine usageError(const QString& reason) {
    CommandLine result;
    result.exit = true;
    result.status = kUsageError;
    result.error =
        Commands::tr("vantorelle: %1\nTry \"vantorelle --help\" for more.\n").arg(reason);
    return result;
}

} // namespace

bool loadTranslation(QTranslator& translator) {
    return translator.load(QLocale(), QStringLiteral("vantorelle"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
}

void installTranslations() {
    static QTranslator translator;
    if (loadTranslation(translator)) {
        QCoreApplication::installTranslator(&translator);
    }
}

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Commands::tr("Edits the settings of a connected action camera.\nWithout a command it "
                     "opens its window."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Commands::tr("Show this help and end."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption volume(
        QStringLiteral("volume"),
        Commands::tr("Use the camera whose card is mounted at <path>. set, apply and "
                     "sync-clock take it more than once."),
        Commands::tr("path"));
    parser.addOption(volume);
    const QCommandLineOption all(QStringLiteral("all"),
                                 Commands::tr("With set, apply or sync-clock: every connected "
                                              "camera."));
    parser.addOption(all);
    const QCommandLineOption json(QStringLiteral("json"),
                                  Commands::tr("With list or get: print JSON, for scripts."));
    parser.addOption(json);
    parser.addPositionalArgument(Commands::tr("command"),
                                 Commands::tr("One of the commands below."),
                                 Commands::tr("[command [arguments]]"));
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
    // The completion scripts' question: its words are what the user typed, options among them.
    if (given.size() > 1 && given.at(1) == QLatin1String(kCompleteCommand)) {
        CommandLine result;
        result.command = given.at(1);
        result.commandArguments = given.mid(2);
        return result;
    }

    if (!parser.parse(given)) {
        return usageError(parser.errorText());
    }
    CommandLine result;
    if (parser.isSet(help)) {
        result.exit = true;
        // The parser names the program only once an application object exists.
        result.output = parser.helpText().replace(QLatin1String("<executable_name>"),
                                                  QLatin1String("vantorelle")) +
                        commandsHelp();
        return result;
    }
    if (parser.isSet(version)) {
        result.exit = true;
        result.output =
            QStringLiteral("vantorelle %1\n").arg(QCoreApplication::applicationVersion());
        return result;
    }

    const QStringList volumes = parser.values(volume);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        if (parser.isSet(all) || parser.isSet(json)) {
            return usageError(
                Commands::tr("--%1 goes with a command.")
                    .arg(parser.isSet(all) ? QStringLiteral("all") : QStringLiteral("json")));
        }
        if (volumes.size() > 1) {
            return usageError(Commands::tr("The window shows one camera: give --volume once."));
        }
    } else {
        const auto* shape = std::find_if(
            std::begin(kCommands), std::end(kCommands), [&](const CommandShape& known) {
                return positional.constFirst() == QLatin1String(known.name);
            });
        if (shape == std::end(kCommands)) {
            return usageError(Commands::tr("Unknown command: %1").arg(positional.constFirst()));
        }
        result.command = positional.constFirst();
        result.commandArguments = positional.mid(1);
        const auto count = result.commandArguments.size();
        if (count < shape->leastArguments ||
            (shape->mostArguments >= 0 && count > shape->mostArguments)) {
            return usageError(
                Commands::tr("Wrong number of arguments for %1.").arg(result.command));
        }
        if (result.command == QLatin1String("list") && (parser.isSet(all) || !volumes.isEmpty())) {
            return usageError(Commands::tr("list looks for the cameras itself."));
        }
        if (!shape->severalCameras && (parser.isSet(all) || volumes.size() > 1)) {
            return usageError(Commands::tr("%1 takes one camera.").arg(result.command));
        }
        if (parser.isSet(all) && !volumes.isEmpty()) {
            return usageError(Commands::tr("Give either --volume or --all."));
        }
        if (parser.isSet(json) && shape->severalCameras) {
            return usageError(Commands::tr("--json goes with list or get."));
        }
        result.allCameras = parser.isSet(all);
        result.json = parser.isSet(json);
    }
    for (const QString& folder : volumes) {
        const QString path = QDir::cleanPath(QDir::fromNativeSeparators(folder));
        if (path.isEmpty() || !isCameraRoot(path)) {
            result = {};
            result.exit = true;
            result.status = kUsageError;
            result.error =
                QStringLiteral("vantorelle: %1\n")
                    .arg(Commands::tr("%1 is no camera: it holds no readable ActionConfig.")
                             .arg(printable(QDir::toNativeSeparators(folder))));
            return result;
        }
        const QString absolute = QDir(path).absolutePath();
        if (!result.volumes.contains(absolute)) {
            result.volumes << absolute;
        }
    }
    if (result.command.isEmpty() && !result.volumes.isEmpty()) {
        result.volume = result.volumes.constFirst();
        result.volumes.clear();
    }
    return result;
}

CommandLine readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
#ifdef Q_OS_WIN
    // Windows hands main its arguments in the ANSI code page, which cannot spell every folder's
    // name: read them as the system keeps them.
    (void)argc;
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; i < count; ++i) {
        arguments << QString::fromWCharArray(wide[i]);
    }
    LocalFree(wide);
#else
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
#endif
    return readCommandLine(arguments);
}
