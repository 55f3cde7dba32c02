// Pictures come from the program's resources at the density of the screen: run once at scale
// 1 and once with QT_SCALE_FACTOR=2.
#include "imagenamed.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QTest>
#include <QtEndian>

namespace {

// True for an 8-bit RGB or RGBA PNG whose rows all read, none of them with a row filter.
bool unfiltered(const QString& path) {
    QFile file(path);
    const QByteArray png = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto word = [&](qsizetype at) { return qFromBigEndian<quint32>(png.constData() + at); };
    QByteArray rows(4, '\0'); // qUncompress's size prefix, then the zlib stream of the IDATs
    quint32 height = 0, rowBytes = 0;
    for (qsizetype at = 8; at + 20 <= png.size(); at += 12 + word(at)) {
        if (png.mid(at + 4, 4) == "IHDR") {
            height = word(at + 12);
            rowBytes = word(at + 8) * (png.at(at + 17) == 6 ? 4 : 3) + 1;
        } else if (png.mid(at + 4, 4) == "IDAT") {
            rows += png.mid(at + 8, word(at));
        }
    }
    qToBigEndian(rowBytes * height, rows.data());
    rows = qUncompress(rows);
    bool none = height > 0 && rows.size() == qsizetype(rowBytes * height);
    for (quint32 y = 0; none && y < height; ++y) {
        none = rows.at(qsizetype(y * rowBytes)) == 0;
    }
    return none;
}

} // namespace

class ImageNamedTest : public QObject {
    Q_OBJECT

  private slots:
    void picturesMatchTheScreenDensity();
    void picturesAreStoredWithoutRowFilters();
};

void ImageNamedTest::picturesMatchTheScreenDensity() {
    const qreal expectedRatio = qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{"left.png", {100, 30}},
                    {"menuright_on.png", {166, 40}},
                    {"logo.png", {93, 56}},
                    {"globalmenu_1a.bmp", {56, 52}},
                    {"reset_hold.png", {130, 30}}};
    for (const auto& picture : pictures) {
        const QPixmap pixmap = imageNamed(QLatin1String(picture.name));
        QVERIFY2(!pixmap.isNull(), picture.name);
        QCOMPARE(pixmap.devicePixelRatio(), expectedRatio);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), picture.size);
    }
    QVERIFY(imageNamed(QStringLiteral("missing.png")).isNull());
}

// Read at every start: picturegen writes no row filter, which costs the reader more than inflating.
void ImageNamedTest::picturesAreStoredWithoutRowFilters() {
    int pictures = 0;
    for (const char* folder : {":/images", ":/icons"}) {
        for (QDirIterator png(QLatin1String(folder), {QStringLiteral("*.png")}); png.hasNext();) {
            QVERIFY2(unfiltered(png.next()) && ++pictures > 0, qPrintable(png.filePath()));
        }
    }
    QVERIFY(pictures > 40);
}

QTEST_MAIN(ImageNamedTest)
#include "imagenamed_test.moc"
