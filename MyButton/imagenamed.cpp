#include "imagenamed.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>

namespace {

QString highDensityName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name + QStringLiteral("@2x")
                   : name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

} // namespace

QPixmap imageNamed(const QString& name) {
    static QHash<QString, QPixmap> cache;
    const bool highDensity = qApp != nullptr && qApp->devicePixelRatio() > 1.0;
    const QString key = highDensity ? highDensityName(name) : name;
    const auto found = cache.constFind(key);
    if (found != cache.constEnd()) {
        return *found;
    }
    QPixmap pixmap;
    const QString base = QStringLiteral(":/images/");
    if (highDensity) {
        pixmap = pictureFile(base + key);
        pixmap.setDevicePixelRatio(2.0);
    }
    if (pixmap.isNull() && !name.isEmpty()) {
        pixmap = pictureFile(base + name);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap pictureFile(const QString& path) {
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
