#include "drawing.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <algorithm>

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

bool saveImage(const QImage& image, const QString& path, const char* format, int quality) {
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
