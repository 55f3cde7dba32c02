// Demo photos for the DCIM folder of a sample camera volume: four small
// generated scenes, so the app has something to show without a camera.

#include "drawing.h"
#include "generators.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cstdint>
#include <random>
#include <vector>

namespace picturegen {
namespace {

constexpr int photoWidth = 640;
constexpr int photoHeight = 480;
constexpr int jpegQuality = 90;

// Repeatable pseudo-random numbers: std::mt19937 yields the same sequence
// everywhere, and the scaling below does not depend on the standard library.
// Draw at most one number per expression: the order in which function
// arguments are evaluated differs between compilers.
class Scatter {
  public:
    explicit Scatter(std::uint32_t seed) : m_engine(seed) {}

    qreal between(qreal low, qreal high) {
        return low + (high - low) * (static_cast<qreal>(m_engine()) / 4294967295.0);
    }

  private:
    std::mt19937 m_engine;
};

void fillVertical(QPainter& painter, const QRectF& rect,
                  std::initializer_list<std::pair<qreal, QColor>> stops) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const auto& [position, colour] : stops)
        gradient.setColorAt(position, colour);
    painter.fillRect(rect, gradient);
}

QPolygonF ridge(const std::vector<QPointF>& points, qreal bottom) {
    QPolygonF polygon;
    polygon << QPointF(points.front().x(), bottom);
    for (const QPointF& point : points)
        polygon << point;
    polygon << QPointF(points.back().x(), bottom);
    return polygon;
}

void drawCoastAtDusk(QPainter& p) {
    constexpr qreal horizon = 292;
    fillVertical(p, QRectF(0, 0, photoWidth, horizon),
                 {{0.0, QColor(34, 42, 92)},
                  {0.45, QColor(122, 78, 128)},
                  {0.8, QColor(228, 120, 92)},
                  {1.0, QColor(250, 176, 112)}});

    const QPointF sun(420, horizon - 34);
    QRadialGradient glow(sun, 150);
    glow.setColorAt(0, QColor(255, 214, 150, 170));
    glow.setColorAt(1, QColor(255, 214, 150, 0));
    p.fillRect(QRectF(0, 0, photoWidth, horizon), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 170));
    p.drawEllipse(sun, 40, 40);

    p.setBrush(QColor(44, 36, 62));
    p.drawPolygon(
        ridge({{0, 236}, {60, 222}, {120, 240}, {170, 258}, {230, 280}, {300, 292}}, horizon));

    fillVertical(
        p, QRectF(0, horizon, photoWidth, photoHeight - horizon),
        {{0.0, QColor(92, 70, 104)}, {0.3, QColor(46, 48, 86)}, {1.0, QColor(16, 22, 44)}});

    // Sun glitter on the water, spreading out towards the shore.
    Scatter glitter(1);
    for (int row = 0; row < 40; ++row) {
        const qreal depth = row / 39.0;
        const qreal y = horizon + 3 + depth * depth * (photoHeight - horizon - 8);
        const qreal spread = 20 + depth * 120;
        const int strokes = 2 + row / 6;
        for (int i = 0; i < strokes; ++i) {
            const qreal length = glitter.between(6, 22) * (0.6 + depth);
            const qreal x = sun.x() + glitter.between(-spread, spread) - length / 2;
            p.setBrush(QColor(255, 204, 146, static_cast<int>(190 - depth * 130)));
            p.drawRoundedRect(QRectF(x, y, length, 1.2 + depth * 2.2), 1, 1);
        }
    }
}

void drawMountains(QPainter& p) {
    fillVertical(
        p, QRectF(0, 0, photoWidth, photoHeight),
        {{0.0, QColor(96, 156, 214)}, {0.55, QColor(198, 222, 240)}, {1.0, QColor(230, 238, 244)}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 236));
    p.drawEllipse(QPointF(128, 86), 26, 26);

    struct Layer {
        std::vector<QPointF> points;
        QColor colour;
    };
    const Layer layers[] = {
        {{{0, 250},
          {90, 196},
          {170, 226},
          {260, 150},
          {350, 214},
          {430, 176},
          {520, 222},
          {640, 170}},
         QColor(132, 156, 186)},
        {{{0, 300},
          {70, 262},
          {150, 288},
          {240, 232},
          {330, 290},
          {420, 248},
          {530, 300},
          {640, 262}},
         QColor(86, 110, 140)},
        {{{0, 360}, {110, 320}, {200, 350}, {300, 314}, {400, 352}, {500, 326}, {640, 360}},
         QColor(52, 86, 72)},
    };
    for (const Layer& layer : layers) {
        p.setBrush(layer.colour);
        p.drawPolygon(ridge(layer.points, photoHeight));
        // A band of haze in front of each layer for depth.
        const qreal top = layer.points.front().y();
        fillVertical(p, QRectF(0, top - 10, photoWidth, 70),
                     {{0.0, QColor(230, 238, 244, 0)},
                      {0.6, QColor(230, 238, 244, 60)},
                      {1.0, QColor(230, 238, 244, 0)}});
    }

    // Snow on the two highest peaks of the far ridge.
    p.setBrush(QColor(244, 248, 252));
    p.drawPolygon(
        QPolygonF({QPointF(260, 150), QPointF(305, 182), QPointF(290, 178), QPointF(276, 188),
                   QPointF(262, 176), QPointF(246, 186), QPointF(234, 178), QPointF(220, 184)}));
    p.drawPolygon(QPolygonF({QPointF(430, 176), QPointF(458, 187), QPointF(444, 186),
                             QPointF(432, 193), QPointF(420, 186), QPointF(407, 190)}));

    fillVertical(p, QRectF(0, 392, photoWidth, 88),
                 {{0.0, QColor(70, 112, 62)}, {1.0, QColor(38, 70, 40)}});
    p.setBrush(QColor(70, 112, 62));
    p.drawPolygon(ridge({{0, 380}, {160, 370}, {330, 388}, {480, 372}, {640, 384}}, 400));
}

void drawBokeh(QPainter& p) {
    QLinearGradient night(0, 0, photoWidth, photoHeight);
    night.setColorAt(0, QColor(14, 18, 34));
    night.setColorAt(1, QColor(40, 16, 40));
    p.fillRect(QRectF(0, 0, photoWidth, photoHeight), night);

    const QColor lights[] = {QColor(43, 161, 182), QColor(240, 170, 70), QColor(220, 80, 120),
                             QColor(120, 120, 240), QColor(250, 220, 150)};
    Scatter scatter(20240601);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 34; ++i) {
        const qreal x = scatter.between(-20, photoWidth + 20);
        const QPointF centre(x, scatter.between(60, 420));
        const qreal radius = scatter.between(18, 70);
        QColor colour = lights[i % 5];
        colour.setAlpha(static_cast<int>(scatter.between(50, 130)));
        QRadialGradient disc(centre, radius);
        disc.setColorAt(0.0, colour);
        disc.setColorAt(0.85, colour);
        colour.setAlpha(0);
        disc.setColorAt(1.0, colour);
        p.setBrush(disc);
        p.drawEllipse(centre, radius, radius);
    }
}

void drawLakeAtNight(QPainter& p) {
    constexpr qreal shore = 318;
    fillVertical(p, QRectF(0, 0, photoWidth, shore),
                 {{0.0, QColor(8, 12, 30)}, {0.7, QColor(22, 40, 74)}, {1.0, QColor(44, 70, 104)}});

    Scatter scatter(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const qreal x = scatter.between(0, photoWidth);
        const QPointF star(x, scatter.between(0, 240));
        const qreal size = scatter.between(0.6, 1.6);
        p.setBrush(QColor(255, 255, 240, static_cast<int>(scatter.between(70, 230))));
        p.drawEllipse(star, size, size);
    }

    // Crescent moon: a disc with a sky-coloured disc over it.
    const QPointF moon(490, 92);
    QPainterPath crescent;
    crescent.addEllipse(moon, 30, 30);
    QPainterPath shadow;
    shadow.addEllipse(moon + QPointF(13, -9), 27, 27);
    p.setBrush(QColor(246, 240, 214));
    p.drawPath(crescent.subtracted(shadow));

    fillVertical(p, QRectF(0, shore, photoWidth, photoHeight - shore),
                 {{0.0, QColor(34, 56, 88)}, {1.0, QColor(6, 10, 22)}});

    // Pines along the shore; direction -1 draws a reflection in the water.
    auto pine = [&](qreal x, qreal base, qreal height, qreal direction) {
        QPainterPath tree;
        for (int tier = 0; tier < 4; ++tier) {
            const qreal y = base - direction * height * (0.25 + tier * 0.2);
            const qreal halfWidth = height * 0.18 * (1.0 - tier * 0.2);
            tree.addPolygon(
                QPolygonF({QPointF(x - halfWidth, y), QPointF(x, y - direction * height * 0.32),
                           QPointF(x + halfWidth, y)}));
        }
        tree.addRect(QRectF(x - 2, direction > 0 ? base - height * 0.3 : base, 4, height * 0.3));
        p.drawPath(tree.simplified());
    };
    Scatter forest(11);
    std::vector<std::pair<qreal, qreal>> trees; // position and height
    qreal treeX = -10;
    while (treeX < photoWidth + 20) {
        trees.emplace_back(treeX, forest.between(50, 120));
        treeX += forest.between(16, 34);
    }

    p.setBrush(QColor(10, 16, 22));
    p.drawRect(QRectF(0, shore - 8, photoWidth, 10));
    for (const auto& [x, height] : trees)
        pine(x, shore, height, 1);
    p.setBrush(QColor(10, 16, 22, 120));
    for (const auto& [x, height] : trees)
        pine(x, shore + 2, height * 0.9, -1);

    for (int row = 0; row < 9; ++row) {
        const qreal y = 352 + row * 13;
        const qreal half = 26 - row * 2;
        p.setBrush(QColor(246, 240, 214, 120 - row * 11));
        p.drawRect(QRectF(moon.x() - half, y, 2 * half, 2));
    }
}

} // namespace

bool writeSamplePhotos(const QDir& dir) {
    const DrawFunction scenes[] = {drawCoastAtDusk, drawMountains, drawBokeh, drawLakeAtNight};
    int number = 1;
    for (const DrawFunction& scene : scenes) {
        const QImage photo = renderImage(QSize(photoWidth, photoHeight), 1, Qt::black, scene)
                                 .convertToFormat(QImage::Format_RGB32);
        const QString fileName =
            QStringLiteral("DSC_%1.JPG").arg(number++, 4, 10, QLatin1Char('0'));
        if (!saveImage(photo, dir.filePath(fileName), "jpeg", jpegQuality))
            return false;
    }
    return true;
}

} // namespace picturegen
