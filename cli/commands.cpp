#include "commands.h"

#include "camerafile.h"
#include "camerapaths.h"
#include "camerasearch.h"
#include "completion.h"
#include "setting_choices.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <variant>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

constexpr int kCameraFailed = 1;
// A profile is a dozen short lines; anything much longer is not one.
constexpr qint64 kLongestProfile = 64 * 1024;

class Terminal {
  public:
    Terminal(std::FILE* out, std::FILE* err) : out_(out), err_(err) {}
    void print(const QString& text) const { write(out_, text); }
    // On standard error, so that a script's output never takes it for settings.
    void note(const QString& text) const { write(err_, text); }
    void complain(const QString& text) const {
        write(err_, QStringLiteral("vantorelle: %1\n").arg(text));
    }
    // `status`, or 1 when what was printed did not all reach standard output (a full disk, a
    // closed pipe): a profile saved to a file that did not take it is no success.
    int finish(int status) const {
        if (std::fflush(out_) == 0 && std::ferror(out_) == 0) {
            return status;
        }
        const int error = errno;
        complain(Commands::tr("standard output could not be written: %1.")
                     .arg(QString::fromLocal8Bit(std::strerror(error))));
        return kCameraFailed;
    }

  private:
    static void write(std::FILE* stream, const QString& text) {
        // A failed write leaves the stream's error set, which finish() reports.
        (void)std::fputs(text.toLocal8Bit().constData(), stream);
    }
    std::FILE* out_;
    std::FILE* err_;
};

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The settings library's reasons are English: "[line N: ]SUBJECT: PHRASE", or
// "[line N: ]KEY is given twice". The subject (what the user typed) stays as given; the phrase
// is said in the user's language, with a full stop.
const char* const kReasonPhrases[] = {
    QT_TRANSLATE_NOOP("Commands", "not of the form key=value"),
    QT_TRANSLATE_NOOP("Commands", "no such setting"),
    QT_TRANSLATE_NOOP("Commands", "the firmware version can only be read"),
    QT_TRANSLATE_NOOP("Commands", "the clock is written YYYY-MM-DD HH:MM:SS"),
    QT_TRANSLATE_NOOP("Commands", "not text"),
    QT_TRANSLATE_NOOP("Commands",
                      "burst shoots at 5MP only (choose photo.mode=single or time-lapse with it)"),
    QT_TRANSLATE_NOOP("Commands", "no such date and time"),
    QT_TRANSLATE_NOOP("Commands",
                      "the camera's clock runs from 2013-01-01 00:00:00 to 2037-12-31 23:59:59"),
    QT_TRANSLATE_NOOP("Commands", "not a value this setting can take"),
};

QString translatedReason(const std::string& reason) {
    QString rest = fromStd(reason);
    QString line;
    static const QRegularExpression lineNumber(QStringLiteral("^line ([0-9]+): "));
    if (const QRegularExpressionMatch match = lineNumber.match(rest); match.hasMatch()) {
        line = Commands::tr("line %1: ").arg(match.captured(1));
        rest = rest.mid(match.capturedLength());
    }
    static const QString twice = QStringLiteral(" is given twice");
    if (rest.endsWith(twice) && !rest.left(rest.size() - twice.size()).contains(u' ')) {
        return line + Commands::tr("%1 is given twice.").arg(rest.left(rest.size() - twice.size()));
    }
    const qsizetype split = rest.lastIndexOf(QLatin1String(": "));
    const QString subject = rest.left(split);
    const QString phrase = rest.mid(split + 2);
    static const QString oneOf = QStringLiteral("the value is one of ");
    QString said = phrase;
    if (phrase.startsWith(oneOf)) {
        said = Commands::tr("the value is one of %1").arg(phrase.mid(oneOf.size()));
    } else {
        for (const char* known : kReasonPhrases) {
            if (phrase == QLatin1String(known)) {
                said = Commands::tr(known);
            }
        }
    }
    return line + (split < 0 ? said : QStringLiteral("%1: %2").arg(subject, said)) +
           QLatin1Char('.');
}

QString shown(const QString& root) {
    return printable(QDir::toNativeSeparators(root));
}

QString lineName(int32_t kind) {
    switch (kind) {
    case kPhotoLine:
        return Commands::tr("photo");
    case kVideoLine:
        return Commands::tr("video");
    default:
        return Commands::tr("general");
    }
}

// Makes `choices` on the camera at `root` through its file's one owner, which saves the file
// once and reads it back. Empty when done; otherwise why not, and the camera's file is as it
// was.
QString changeCamera(const QString& root, const std::vector<SettingChoice>& choices) {
    CameraFile file(configPathOf(root));
    std::size_t refused = choices.size();
    const SaveResult result = file.change([&](tagSetting& setting) {
        CameraEdit edit;
        // A choice needs its line even where the camera holds its value already.
        for (const SettingChoice& choice : choices) {
            edit.kinds.push_back(settingKeyInfo(choice.key).lineKind);
        }
        std::vector<int32_t> changedKinds;
        refused = makeChoices(setting, choices, changedKinds);
        if (refused < choices.size()) {
            edit.refused = refusalReason(setting, choices[refused]);
        } else if (changedKinds.empty()) {
            edit.kinds.clear();
        }
        return edit;
    });
    switch (result.outcome) {
    case SaveOutcome::Saved:
    case SaveOutcome::Unchanged:
        return {};
    case SaveOutcome::Unreadable:
        return Commands::tr("its ActionConfig cannot be read.");
    case SaveOutcome::Changing:
        return Commands::tr("its ActionConfig is being changed by another program; nothing was "
                            "saved.");
    case SaveOutcome::MissingLine: {
        const int32_t kind = result.missing.front();
        for (const SettingChoice& choice : choices) {
            if (settingKeyInfo(choice.key).lineKind == kind) {
                return Commands::tr("its ActionConfig has no %1 line, so %2 cannot be set.")
                    .arg(lineName(kind), fromStd(choice.text));
            }
        }
        break;
    }
    case SaveOutcome::Refused:
        return translatedReason(result.reason);
    case SaveOutcome::WriteFailed:
        if (result.error == EACCES || result.error == EROFS || result.error == EPERM) {
            return Commands::tr("its ActionConfig is write-protected.");
        }
        return Commands::tr("its ActionConfig could not be saved: %1.")
            .arg(QString::fromLocal8Bit(std::strerror(result.error)));
    }
    return Commands::tr("its ActionConfig could not be saved.");
}

QString cameraLine(const QString& root) {
    const CameraDetails camera = describeCamera(root);
    const QString free = camera.bytesFree >= 0 ? QLocale::c().formattedDataSize(camera.bytesFree, 1)
                                               : QStringLiteral("-");
    return QStringLiteral("%1\t%2\t%3\n")
        .arg(shown(root),
             camera.firmware.isEmpty() ? QStringLiteral("-") : printable(camera.firmware), free);
}

class CommandRun {
  public:
    CommandRun(const CommandLine& command, std::FILE* in, std::FILE* out, std::FILE* err)
        : command_(command), in_(in), terminal_(out, err) {}

    int run() {
        const QString& name = command_.command;
        if (name == QLatin1String("list")) {
            return list();
        }
        if (name == QLatin1String("get")) {
            return get();
        }
        if (name == QLatin1String(kCompleteCommand)) {
            for (const QString& word : completionsFor(command_.commandArguments)) {
                terminal_.print(word + QLatin1Char('\n'));
            }
            return 0;
        }
        std::vector<SettingChoice> choices;
        const bool read = name == QLatin1String("set")     ? readArguments(choices)
                          : name == QLatin1String("apply") ? readProfile(choices)
                                                           : readComputerClock(choices);
        if (!read) {
            return status_;
        }
        const std::string conflict = conflictAmong(choices);
        if (!conflict.empty()) {
            terminal_.complain(translatedReason(conflict));
            return kUsageError;
        }
        const QStringList cameras = targets();
        int status = cameras.isEmpty() ? status_ : 0;
        for (const QString& root : cameras) {
            const QString failure = changeCamera(root, choices);
            if (!failure.isEmpty()) {
                terminal_.complain(QStringLiteral("%1: %2").arg(shown(root), failure));
                status = kCameraFailed;
            }
        }
        return status;
    }

  private:
    int list() {
        const QStringList cameras = connectedCameras();
        if (command_.json) {
            QJsonArray all;
            for (const QString& root : cameras) {
                const CameraDetails camera = describeCamera(root);
                all.append(QJsonObject{{"folder", QDir::toNativeSeparators(root)},
                                       {"label", camera.label},
                                       {"firmware", camera.firmware},
                                       {"bytesFree", camera.bytesFree},
                                       {"bytesTotal", camera.bytesTotal},
                                       {"formatRequest", camera.formatRequest}});
            }
            terminal_.print(QString::fromUtf8(QJsonDocument(all).toJson()));
            return status_;
        }
        for (const QString& root : cameras) {
            terminal_.print(cameraLine(root));
        }
        return status_;
    }

    // The cameras mounted now; none, with status_ set, when there is none.
    QStringList connectedCameras() {
        const QStringList cameras = findCameras(mountedVolumeRoots());
        if (cameras.isEmpty()) {
            terminal_.complain(Commands::tr("No camera is connected."));
            status_ = kCameraFailed;
        }
        return cameras;
    }

    int get() {
        const QStringList cameras = targets();
        if (cameras.isEmpty()) {
            return status_;
        }
        CameraFile file(configPathOf(cameras.constFirst()));
        if (!file.load()) {
            terminal_.complain(Commands::tr("%1: its ActionConfig cannot be read.")
                                   .arg(shown(cameras.constFirst())));
            return kCameraFailed;
        }
        QStringList lines = fromStd(file.settingsText()).split(QLatin1Char('\n'));
        if (command_.json) {
            QJsonObject settings;
            for (const QString& line : std::as_const(lines)) {
                if (!line.isEmpty()) {
                    settings.insert(line.section(QLatin1Char('='), 0, 0),
                                    line.section(QLatin1Char('='), 1));
                }
            }
            terminal_.print(QString::fromUtf8(QJsonDocument(settings).toJson()));
            return 0;
        }
        for (QString& line : lines) {
            line = printable(line);
        }
        terminal_.print(lines.join(QLatin1Char('\n')));
        return 0;
    }

    // The cameras to work on; none, with status_ set, when the command must end.
    QStringList targets() {
        if (!command_.volumes.isEmpty()) {
            return command_.volumes;
        }
        const QStringList cameras = connectedCameras();
        if (cameras.size() > 1 && !command_.allCameras) {
            // get works on one camera only: its hint offers no --all.
            terminal_.complain((command_.command == QLatin1String("get")
                                    ? Commands::tr("%1 cameras are connected; name one with "
                                                   "--volume:")
                                    : Commands::tr("%1 cameras are connected; name one with "
                                                   "--volume, or use --all:"))
                                   .arg(cameras.size()));
            for (const QString& root : cameras) {
                terminal_.note(cameraLine(root));
            }
            status_ = kUsageError;
            return {};
        }
        return cameras;
    }

    bool refuse(const QString& reason) {
        terminal_.complain(reason);
        status_ = kUsageError;
        return false;
    }

    bool readArguments(std::vector<SettingChoice>& choices) {
        for (const QString& argument : command_.commandArguments) {
            auto read = readSettingChoice(argument.toStdString());
            if (const auto* reason = std::get_if<std::string>(&read)) {
                return refuse(translatedReason(*reason));
            }
            auto& choice = std::get<SettingChoice>(read);
            for (const SettingChoice& earlier : choices) {
                if (earlier.key == choice.key) {
                    return refuse(Commands::tr("%1 is given twice.")
                                      .arg(fromStd(std::string(settingKeyInfo(choice.key).name))));
                }
            }
            choices.push_back(std::move(choice));
        }
        return true;
    }

    bool readProfile(std::vector<SettingChoice>& choices) {
        const bool standardInput = command_.commandArguments.constFirst() == QLatin1String("-");
        const QString name =
            standardInput ? Commands::tr("standard input") : command_.commandArguments.constFirst();
        QByteArray text;
        QString failure;
        if (standardInput) {
            // Through the C library, to the end of the input: a pipe hands it over in pieces, as
            // its writer writes them. (Qt on Windows takes the end of a pipe for a read error.)
            char piece[4096];
            std::size_t got = sizeof piece;
            while (got == sizeof piece && text.size() <= kLongestProfile) {
                got = std::fread(piece, 1, sizeof piece, in_);
                text.append(piece, static_cast<qsizetype>(got));
            }
            if (std::ferror(in_) != 0) {
                failure = QString::fromLocal8Bit(std::strerror(errno));
            }
        } else {
            // A named pipe, as the shell's <(...) gives, hands it over in pieces too.
            QFile source(name);
            if (source.open(QIODevice::ReadOnly)) {
                QByteArray piece;
                do {
                    piece = source.read(kLongestProfile + 1 - text.size());
                    text += piece;
                } while (!piece.isEmpty() && text.size() <= kLongestProfile);
            }
            if (source.error() != QFileDevice::NoError) {
                failure = source.errorString();
            }
        }
        if (!failure.isEmpty()) {
            return refuse(Commands::tr("%1 cannot be read: %2.").arg(name, failure));
        }
        if (text.size() > kLongestProfile) {
            return refuse(Commands::tr("%1 is too long for settings.").arg(name));
        }
        auto read =
            readSettingProfile(std::string_view(text.constData(), std::size_t(text.size())));
        if (const auto* reason = std::get_if<std::string>(&read)) {
            return refuse(QStringLiteral("%1: %2").arg(name, translatedReason(*reason)));
        }
        choices = std::move(std::get<std::vector<SettingChoice>>(read));
        if (choices.empty()) {
            return refuse(Commands::tr("%1 holds no settings.").arg(name));
        }
        return true;
    }

    bool readComputerClock(std::vector<SettingChoice>& choices) {
        const QDateTime now = QDateTime::currentDateTime();
        SettingChoice choice;
        choice.key = SettingKey::Clock;
        choice.clock = {now.date().year(), now.date().month(),  now.date().day(),
                        now.time().hour(), now.time().minute(), now.time().second()};
        const QString shownNow = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        choice.text = "camera.clock=" + shownNow.toStdString();
        if (!isCameraClock(choice.clock)) {
            terminal_.complain(
                Commands::tr("The computer's clock says %1, which the camera's clock cannot "
                             "hold: it runs from 2013 to 2037.")
                    .arg(shownNow));
            status_ = kCameraFailed;
            return false;
        }
        choices.push_back(choice);
        return true;
    }

    const CommandLine& command_;
    std::FILE* in_;
    Terminal terminal_;
    int status_ = 0;
};

} // namespace

int runCommand(const CommandLine& command, std::FILE* in, std::FILE* out, std::FILE* err) {
    // The library's own lines go to the program's log (main routes it); a command says what
    // matters itself.
    const int status = CommandRun(command, in, out, err).run();
    return Terminal(out, err).finish(status);
}

int runCommandLine(const CommandLine& command) {
#ifdef Q_OS_WIN
    // The program is a window program without a console of its own: what it prints goes to
    // the console it was started from, if any, unless it was sent elsewhere (`> file`, a pipe).
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const auto toConsole = [](DWORD which, FILE* stream) {
            const HANDLE given = GetStdHandle(which);
            const DWORD type = given == nullptr || given == INVALID_HANDLE_VALUE
                                   ? FILE_TYPE_UNKNOWN
                                   : GetFileType(given);
            if (type != FILE_TYPE_DISK && type != FILE_TYPE_PIPE) {
                (void)std::freopen("CONOUT$", "w", stream);
            }
        };
        toConsole(STD_OUTPUT_HANDLE, stdout);
        toConsole(STD_ERROR_HANDLE, stderr);
    }
#endif
    if (!command.exit) {
        return runCommand(command, stdin, stdout, stderr);
    }
    const Terminal terminal(stdout, stderr);
    terminal.print(command.output);
    terminal.note(command.error);
    return terminal.finish(command.status);
}
