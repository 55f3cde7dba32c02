#include "commands.h"

#include "action_config.h"
#include "camerasearch.h"
#include "setting_choices.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <variant>

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

  private:
    static void write(std::FILE* stream, const QString& text) {
        // Nothing more can be said when the terminal is gone.
        (void)std::fputs(text.toLocal8Bit().constData(), stream);
    }
    std::FILE* out_;
    std::FILE* err_;
};

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString shown(const QString& root) {
    return QDir::toNativeSeparators(root);
}

std::string configPathOf(const QString& root) {
    return QFile::encodeName(configFileOf(root)).toStdString();
}

// The camera's file, loaded and decoded.
struct CameraFile {
    ConfigLineArray lines;
    int32_t count = 0;
    tagSetting setting{};
    bool load(const QString& root) {
        if (readAllConfig(lines, count, configPathOf(root)) != 0) {
            return false;
        }
        getConfig(lines, count, setting);
        return true;
    }
};

QString lineName(int32_t kind) {
    switch (kind) {
    case kPhotoLine:
        return QStringLiteral("photo");
    case kVideoLine:
        return QStringLiteral("video");
    default:
        return QStringLiteral("general");
    }
}

// Makes `choices` on the camera at `root` and saves its file once, then reads it back. Empty
// when done; otherwise why not, and the camera's file is as it was unless the save itself
// went wrong after writing.
QString changeCamera(const QString& root, const std::vector<SettingChoice>& choices) {
    CameraFile file;
    if (!file.load(root)) {
        return QStringLiteral("its ActionConfig cannot be read.");
    }
    for (const SettingChoice& choice : choices) {
        const int32_t kind = settingKeyInfo(choice.key).lineKind;
        if (!hasConfigLine(file.lines, file.count, kind)) {
            return QStringLiteral("its ActionConfig has no %1 line, so %2 cannot be set.")
                .arg(lineName(kind), fromStd(choice.text));
        }
    }
    std::vector<int32_t> changedKinds;
    const std::size_t refused = makeChoices(file.setting, choices, changedKinds);
    if (refused < choices.size()) {
        return fromStd(refusalReason(file.setting, choices[refused])) + QLatin1Char('.');
    }
    if (changedKinds.empty()) {
        return {};
    }
    for (const int32_t kind : changedKinds) {
        setConfigLine(file.lines, file.count, file.setting, kind);
    }
    if (saveConfigLine(file.lines, file.count, configPathOf(root)) != 0) {
        return QStringLiteral("its ActionConfig could not be saved: %1.")
            .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    // What the card holds now is what counts.
    CameraFile saved;
    if (!saved.load(root)) {
        return QStringLiteral("its ActionConfig cannot be read after the save.");
    }
    for (const SettingChoice& choice : choices) {
        if (settingValueText(saved.setting, choice.key) !=
            settingValueText(file.setting, choice.key)) {
            return QStringLiteral("its ActionConfig did not keep %1.").arg(fromStd(choice.text));
        }
    }
    return {};
}

QString cameraLine(const QString& root) {
    const CameraDetails camera = describeCamera(root);
    const QString free = camera.bytesFree >= 0 ? QLocale::c().formattedDataSize(camera.bytesFree, 1)
                                               : QStringLiteral("-");
    return QStringLiteral("%1\t%2\t%3\n")
        .arg(shown(root), camera.firmware.isEmpty() ? QStringLiteral("-") : camera.firmware, free);
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
        std::vector<SettingChoice> choices;
        const bool read = name == QLatin1String("set")     ? readArguments(choices)
                          : name == QLatin1String("apply") ? readProfile(choices)
                                                           : readComputerClock(choices);
        if (!read) {
            return status_;
        }
        const QString conflict = fromStd(conflictAmong(choices));
        if (!conflict.isEmpty()) {
            terminal_.complain(conflict + QLatin1Char('.'));
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
        for (const QString& root : cameras) {
            terminal_.print(cameraLine(root));
        }
        return status_;
    }

    // The cameras mounted now; none, with status_ set, when there is none.
    QStringList connectedCameras() {
        const QStringList cameras = findCameras(mountedVolumeRoots());
        if (cameras.isEmpty()) {
            terminal_.complain(QStringLiteral("No camera is connected."));
            status_ = kCameraFailed;
        }
        return cameras;
    }

    int get() {
        const QStringList cameras = targets();
        if (cameras.isEmpty()) {
            return status_;
        }
        CameraFile file;
        if (!file.load(cameras.constFirst())) {
            terminal_.complain(QStringLiteral("%1: its ActionConfig cannot be read.")
                                   .arg(shown(cameras.constFirst())));
            return kCameraFailed;
        }
        terminal_.print(fromStd(settingsText(file.setting, file.lines, file.count)));
        return 0;
    }

    // The cameras to work on; none, with status_ set, when the command must end.
    QStringList targets() {
        if (!command_.volumes.isEmpty()) {
            return command_.volumes;
        }
        const QStringList cameras = connectedCameras();
        if (cameras.size() > 1 && !command_.allCameras) {
            terminal_.complain(QStringLiteral("%1 cameras are connected; name one with --volume, "
                                              "or use --all:")
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
                return refuse(fromStd(*reason) + QLatin1Char('.'));
            }
            auto& choice = std::get<SettingChoice>(read);
            for (const SettingChoice& earlier : choices) {
                if (earlier.key == choice.key) {
                    return refuse(QStringLiteral("%1 is given twice.")
                                      .arg(fromStd(std::string(settingKeyInfo(choice.key).name))));
                }
            }
            choices.push_back(std::move(choice));
        }
        return true;
    }

    bool readProfile(std::vector<SettingChoice>& choices) {
        const bool standardInput = command_.commandArguments.constFirst() == QLatin1String("-");
        const QString name = standardInput ? QStringLiteral("standard input")
                                           : command_.commandArguments.constFirst();
        QFile source;
        const bool opened = standardInput
                                ? source.open(in_, QIODevice::ReadOnly)
                                : (source.setFileName(name), source.open(QIODevice::ReadOnly));
        if (!opened) {
            return refuse(QStringLiteral("%1 cannot be read: %2.").arg(name, source.errorString()));
        }
        const QByteArray text = source.read(kLongestProfile + 1);
        if (text.size() > kLongestProfile) {
            return refuse(QStringLiteral("%1 is too long for settings.").arg(name));
        }
        auto read =
            readSettingProfile(std::string_view(text.constData(), std::size_t(text.size())));
        if (const auto* reason = std::get_if<std::string>(&read)) {
            return refuse(QStringLiteral("%1: %2.").arg(name, fromStd(*reason)));
        }
        choices = std::move(std::get<std::vector<SettingChoice>>(read));
        if (choices.empty()) {
            return refuse(QStringLiteral("%1 holds no settings.").arg(name));
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
                QStringLiteral("The computer's clock says %1, which the camera's clock cannot "
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
    return CommandRun(command, in, out, err).run();
}
