#include "reliability_support.h"

#include <QDir>

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList volumeEntries(const CameraVolume& volume) {
    return entriesOf(volume.root());
}

QStringList untouchedVolumeEntries() {
    return {QStringLiteral("ActionConfig"), QStringLiteral("DCIM"),
            QStringLiteral("vantorelle.app")};
}

QString shapeProblem(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        return {};
    }
    if (!bytes.endsWith('\n')) {
        return QStringLiteral("the last line has no line feed");
    }
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    if (lines.size() > 100) {
        return QStringLiteral("%1 lines").arg(lines.size());
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const auto where = [&](const char* what) {
            return QStringLiteral("line %1 %2: %3")
                .arg(i + 1)
                .arg(QLatin1String(what), QString::fromLatin1(line.toPercentEncoding("[],")));
        };
        if (!line.startsWith('[') || !line.endsWith(']')) {
            return where("is not one bracketed record");
        }
        if (line.size() > 99) {
            return where("is longer than 99 characters");
        }
        if (line.contains('\r') || line.contains('\0')) {
            return where("holds a carriage return or a NUL");
        }
    }
    return {};
}

QByteArray lineStartingWith(const QByteArray& file, const QByteArray& prefix) {
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith(prefix)) {
            return line;
        }
    }
    return {};
}
