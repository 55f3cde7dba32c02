#include "drawing.h"

#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstdint>

namespace picturegen {

QPainterPath roundedPath(const QRectF& rect, qreal radius, Corners corners) {
    auto radiusAt = [&](Corner corner) { return corners.testFlag(corner) ? radius : 0.0; };
    const qreal tl = radiusAt(Corner::TopLeft);
    const qreal tr = radiusAt(Corner::TopRight);
    const qreal bl = radiusAt(Corner::BottomLeft);
    const qreal br = radiusAt(Corner::BottomRight);

    QPainterPath path;
    path.moveTo(rect.left() + tl, rect.top());
    path.lineTo(rect.right() - tr, rect.top());
    if (tr > 0)
        path.arcTo(QRectF(rect.right() - 2 * tr, rect.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(rect.right(), rect.bottom() - br);
    if (br > 0)
        path.arcTo(QRectF(rect.right() - 2 * br, rect.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    path.lineTo(rect.left() + bl, rect.bottom());
    if (bl > 0)
        path.arcTo(QRectF(rect.left(), rect.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    path.lineTo(rect.left(), rect.top() + tl);
    if (tl > 0)
        path.arcTo(QRectF(rect.left(), rect.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

void paintSegment(QPainter& painter, const QRectF& rect, qreal radius, Corners corners,
                  Qt::Edges outlineEdges, const SegmentStyle& style) {
    constexpr qreal lineWidth = 1.0;
    auto inset = [&](Qt::Edge edge) { return outlineEdges.testFlag(edge) ? lineWidth : 0.0; };
    const QRectF innerRect = rect.adjusted(inset(Qt::LeftEdge), inset(Qt::TopEdge),
                                           -inset(Qt::RightEdge), -inset(Qt::BottomEdge));

    const QPainterPath outer = roundedPath(rect, radius, corners);
    const QPainterPath inner =
        roundedPath(innerRect, std::max<qreal>(radius - lineWidth, 0.0), corners);

    // The outline is the part of the outer shape the fill leaves uncovered,
    // so straight edges stay exactly on pixel boundaries at every scale.
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.fillPath(outer, style.outline);

    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, style.fillTop);
    fill.setColorAt(1.0, style.fillBottom);
    painter.fillPath(inner, fill);

    if (style.accent.isValid() && style.accentHeight > 0) {
        QPainterPath band;
        band.addRect(QRectF(rect.left(), rect.bottom() - style.accentHeight, rect.width(),
                            style.accentHeight));
        painter.fillPath(outer.intersected(band), style.accent);
    }
    painter.restore();
}

QPen linePen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QFont uiFont(qreal pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QImage renderImage(const QSize& pixelSize, qreal scale, const QColor& background,
                   const DrawFunction& draw) {
    QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    // Fixed 72 dpi so the files do not depend on the screen of the machine
    // that generated them.
    image.setDotsPerMeterX(2835);
    image.setDotsPerMeterY(2835);

    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return image;
}

void reportError(const QString& message) {
    QTextStream(stderr) << "picturegen: " << message << Qt::endl;
}

namespace {

quint32 crc32(const QByteArray& bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            entries[n] = c;
        }
        return entries;
    }();
    quint32 c = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        c = table[(c ^ static_cast<quint8>(byte)) & 0xFFU] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFU;
}

void appendBigEndian(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFFU));
    }
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data) {
    appendBigEndian(out, static_cast<quint32>(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    appendBigEndian(out, crc32(typed));
}

// The program reads its pictures at every start. Qt's PNG writer lets libpng filter each row,
// mostly with the Paeth filter, which costs the reader more per pixel than inflating does; rows
// without a filter, compressed harder, read several times faster and make smaller files here.
// The pixels are the same: 8-bit RGBA, or RGB for a picture without transparency.
bool writePng(const QImage& image, const QString& path) {
    const bool alpha = image.hasAlphaChannel();
    // Through ARGB32 as Qt's writer goes, so that premultiplied pixels round as they always did.
    const QImage rows =
        alpha
            ? image.convertToFormat(QImage::Format_ARGB32).convertToFormat(QImage::Format_RGBA8888)
            : image.convertToFormat(QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(rows.width()) * (alpha ? 4 : 3);
    QByteArray raw;
    raw.reserve((rowBytes + 1) * rows.height());
    for (int y = 0; y < rows.height(); ++y) {
        raw.append('\0'); // no filter
        raw.append(reinterpret_cast<const char*>(rows.constScanLine(y)), rowBytes);
    }
    QByteArray header;
    appendBigEndian(header, static_cast<quint32>(rows.width()));
    appendBigEndian(header, static_cast<quint32>(rows.height()));
    // Bit depth 8; colour type RGBA (6) or RGB (2); deflate, no filtering method, not interlaced.
    const std::array<char, 5> format{8, static_cast<char>(alpha ? 6 : 2), 0, 0, 0};
    header.append(format.data(), qsizetype(format.size()));
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    // qCompress gives a zlib stream after four bytes of length.
    appendChunk(png, "IDAT", qCompress(raw, 9).mid(4));
    appendChunk(png, "IEND", {});
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(png) == png.size() &&
           file.flush();
}

} // namespace

bool saveImage(const QImage& image, const QString& path, const char* format, int quality) {
    if (qstrcmp(format, "png") == 0) {
        if (writePng(image, path)) {
            return true;
        }
        reportError(QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (writer.write(image))
        return true;
    reportError(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
    return false;
}

QString withSuffix(const QString& fileName, const QString& suffix) {
    const QFileInfo info(fileName);
    return info.completeBaseName() + suffix + QLatin1Char('.') + info.suffix();
}

} // namespace picturegen
