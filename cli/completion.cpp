#include "completion.h"

#include "commandline.h"

#include "setting_choices.h"

#include <algorithm>

namespace {

QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The options each command accepts (commandline.h); without a command, those of the window and
// the program.
QStringList optionsOf(const QString& command) {
    if (command.isEmpty()) {
        return {QStringLiteral("--help"), QStringLiteral("--version"), QStringLiteral("--volume")};
    }
    QStringList options;
    for (const CommandShape& shape : kCommands) {
        if (command == QLatin1String(shape.name)) {
            if (command != QLatin1String("list")) {
                options << QStringLiteral("--volume");
            }
            options << (shape.severalCameras ? QStringLiteral("--all") : QStringLiteral("--json"));
        }
    }
    return options;
}

// "key=" for every setting that set takes and `given` does not hold yet; once the key is typed,
// "key=value" for each of its values (the clock's value is typed by hand).
QStringList settingWords(const QString& typed, const QStringList& given) {
    QStringList words;
    const qsizetype equals = typed.indexOf(QLatin1Char('='));
    for (const SettingKeyInfo& key : settingKeys()) {
        const QString name = fromView(key.name);
        if (key.key == SettingKey::Firmware) {
            continue;
        }
        if (equals < 0) {
            const bool set = std::any_of(given.begin(), given.end(), [&](const QString& word) {
                return word.startsWith(name + QLatin1Char('='));
            });
            if (!set) {
                words << name + QLatin1Char('=');
            }
        } else if (typed.left(equals) == name) {
            for (const SettingValueName& value : key.values) {
                words << name + QLatin1Char('=') + fromView(value.name);
            }
        }
    }
    return words;
}

} // namespace

QStringList completionsFor(const QStringList& words) {
    if (words.isEmpty()) {
        return {};
    }
    const QString& typed = words.constLast();
    QString command;
    QStringList arguments;
    bool volumeNext = false;
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        const QString& word = words.at(i);
        if (volumeNext) {
            volumeNext = false;
        } else if (word == QLatin1String("--volume")) {
            volumeNext = true;
        } else if (word.startsWith(QLatin1Char('-')) && word != QLatin1String("-")) {
            continue;
        } else if (command.isEmpty()) {
            command = word;
        } else {
            arguments << word;
        }
    }
    if (volumeNext) {
        return {QStringLiteral(":folders")};
    }
    QStringList offered;
    if (typed.startsWith(QLatin1Char('-'))) {
        offered = optionsOf(command);
    } else if (command.isEmpty()) {
        for (const CommandShape& shape : kCommands) {
            offered << QString::fromLatin1(shape.name);
        }
    } else if (command == QLatin1String("set")) {
        offered = settingWords(typed, arguments);
    } else if (command == QLatin1String("apply") && arguments.isEmpty()) {
        offered = {QStringLiteral("-")};
    }
    QStringList matching;
    for (const QString& word : std::as_const(offered)) {
        if (word.startsWith(typed)) {
            matching << word;
        }
    }
    if (command == QLatin1String("apply") && arguments.isEmpty() && !typed.startsWith('-')) {
        matching << QStringLiteral(":files");
    }
    return matching;
}
