// The application icon: a dark rounded tile holding the front of a small
// action camera whose lens carries the teal accent. Drawn on a 512 unit
// canvas and scaled down for the smaller sizes.

#include "drawing.h"
#include "generators.h"

#include <QDir>
#include <QPainter>
#include <QRadialGradient>

namespace picturegen {
namespace {

constexpr qreal canvas = 512;

void drawAppIcon(QPainter& painter) {
    // Tile
    const QRectF tile(24, 24, 464, 464);
    QLinearGradient tileFill(tile.topLeft(), tile.bottomLeft());
    tileFill.setColorAt(0, QColor(46, 51, 59));
    tileFill.setColorAt(1, QColor(24, 27, 32));
    painter.setPen(QPen(QColor(255, 255, 255, 22), 4));
    painter.setBrush(tileFill);
    painter.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 104, 104);

    // Camera body with a shutter button on top and a status light
    const QRectF shutter(318, 118, 68, 34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(78, 86, 97));
    painter.drawRoundedRect(shutter, 10, 10);

    const QRectF body(92, 138, 328, 250);
    QLinearGradient bodyFill(body.topLeft(), body.bottomLeft());
    bodyFill.setColorAt(0, QColor(88, 96, 108));
    bodyFill.setColorAt(1, QColor(58, 64, 73));
    painter.setBrush(bodyFill);
    painter.drawRoundedRect(body, 52, 52);

    painter.setBrush(palette::accent);
    painter.drawEllipse(QPointF(140, 184), 11, 11);

    // Lens: bezel, teal ring, glass, inner ring and a glint
    const QPointF centre(256, 263);
    painter.setBrush(QColor(22, 25, 29));
    painter.drawEllipse(centre, 106, 106);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::accent, 20));
    painter.drawEllipse(centre, 84, 84);

    QRadialGradient glass(centre - QPointF(18, 18), 80);
    glass.setColorAt(0, QColor(26, 74, 86));
    glass.setColorAt(1, QColor(8, 15, 19));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawEllipse(centre, 72, 72);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(43, 161, 182, 120), 6));
    painter.drawEllipse(centre, 42, 42);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(centre + QPointF(-30, -32), 13, 13);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(centre + QPointF(-8, -46), 6, 6);
}

} // namespace

bool writeAppIcon(const QDir& dir) {
    for (int size : {512, 256, 128, 64, 48, 32, 16}) {
        const QImage image =
            renderImage(QSize(size, size), size / canvas, Qt::transparent, drawAppIcon);
        const QString fileName = size == 512 ? QStringLiteral("vantorelle.png")
                                             : QStringLiteral("vantorelle_%1.png").arg(size);
        if (!saveImage(image, dir.filePath(fileName), "png"))
            return false;
    }
    return true;
}

} // namespace picturegen
