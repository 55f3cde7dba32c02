#include "camerapaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string_view>

std::string open_path;
std::string configfile_path;

std::string volumeRootOf(const std::string& startPath) {
    // The bundle is a whole folder name: "/vantorelle.app backup" is another folder.
    const std::string_view marker(kBundleMarker);
    for (std::size_t at = startPath.find(marker); at != std::string::npos;
         at = startPath.find(marker, at + 1)) {
        const std::size_t end = at + marker.size();
        if (end == startPath.size() || startPath[end] == '/') {
            return startPath.substr(0, at);
        }
    }
    return startPath;
}

std::string configPathFor(const std::string& startPath) {
    return volumeRootOf(startPath) + kConfigFileName;
}

QString configFileOf(const QString& root) {
    QString folder = QDir::fromNativeSeparators(root);
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) {
        folder.chop(1);
    }
    if (folder == QLatin1String("/")) {
        folder.clear();
    }
    return folder + QLatin1String(kConfigFileName);
}

std::string configPathOf(const QString& root) {
    return systemPath(configFileOf(root));
}

std::string systemPath(const QString& path) {
#ifdef Q_OS_WIN
    // The settings library takes UTF-8 on Windows, where the local encoding cannot spell every
    // name.
    return path.toStdString();
#else
    return QFile::encodeName(path).toStdString();
#endif
}

QString fromSystemPath(const std::string& path) {
#ifdef Q_OS_WIN
    return QString::fromStdString(path);
#else
    return QFile::decodeName(QByteArray::fromStdString(path));
#endif
}

QString cameraRootOf(const std::string& configPath) {
    return QFileInfo(fromSystemPath(configPath)).absolutePath();
}

QString printable(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool bidi = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) ||
                          u == 0x200E || u == 0x200F || u == 0x061C;
        if (u == u'\n') {
            shown += QLatin1String("\\n");
        } else if (u == u'\t') {
            shown += QLatin1String("\\t");
        } else if (u == u'\r') {
            shown += QLatin1String("\\r");
        } else if (u < 0x20 || u == 0x7F) {
            shown += QStringLiteral("\\%1").arg(int(u), 3, 8, QLatin1Char('0'));
        } else if ((u >= 0x80 && u <= 0x9F) || bidi) {
            shown += QLatin1String("\\u") +
                     QStringLiteral("%1").arg(int(u), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            shown += c;
        }
    }
    return shown;
}
