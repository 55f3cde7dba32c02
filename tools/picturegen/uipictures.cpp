// The pictures the application shows: segmented button pieces, the page
// menu, the on/off switch, the reset button, the logo and the header link
// icons. Buttons draw their titles themselves, so none of these hold text.

#include "drawing.h"
#include "generators.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

#include <vector>

namespace picturegen {
namespace {

struct UiPicture {
    QString fileName;
    QSize size; // at 1x; the @2x file is exactly twice as large
    QColor background;
    DrawFunction draw;
};

// Where a piece sits in a row of pieces that touch each other. Each piece
// outlines its top, bottom and right edges; only the first one (or a lone
// one) also outlines its left edge, so the right edge of every piece acts
// as the divider to its neighbour.
struct Piece {
    QString name;
    Corners corners;
    Qt::Edges edges;
};

const Qt::Edges continuingEdges{Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge};

// --- button states ----------------------------------------------------

const SegmentStyle segmentPlain{
    .fillTop = QColor(48, 53, 61),
    .fillBottom = QColor(42, 47, 54),
};
const SegmentStyle segmentHover{
    .fillTop = QColor(64, 71, 81),
    .fillBottom = QColor(57, 63, 72),
};
const SegmentStyle segmentSelected{
    .fillTop = QColor(25, 68, 78),
    .fillBottom = QColor(20, 56, 65),
    .accent = palette::accent,
    .accentHeight = 2,
};

const SegmentStyle menuPlain{
    .fillTop = QColor(44, 49, 56),
    .fillBottom = QColor(39, 44, 51),
};
const SegmentStyle menuSelected{
    .fillTop = QColor(56, 63, 72),
    .fillBottom = QColor(49, 55, 63),
    .accent = palette::accent,
    .accentHeight = 3,
};

const SegmentStyle switchTrack{
    .fillTop = QColor(26, 29, 34),
    .fillBottom = QColor(33, 37, 43),
};
const SegmentStyle switchKnob{
    .fillTop = QColor(27, 86, 99),
    .fillBottom = QColor(21, 67, 78),
    .outline = palette::accent,
};

// --- marks ------------------------------------------------------------

// A circular arrow in a 16 px square centred on centre.
void drawResetMark(QPainter& painter, QPointF centre, const QColor& colour) {
    constexpr qreal radius = 5.5;
    constexpr qreal startDegrees = 80;
    constexpr qreal sweepDegrees = 290;

    painter.save();
    painter.setPen(linePen(colour, 1.7));
    painter.setBrush(Qt::NoBrush);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, startDegrees);
    arc.arcTo(circle, startDegrees, sweepDegrees);
    painter.drawPath(arc);

    // Arrow head at the end of the arc, pointing along the direction of travel.
    const qreal end = qDegreesToRadians(startDegrees + sweepDegrees);
    const QPointF tip = centre + QPointF(radius * qCos(end), -radius * qSin(end));
    const QPointF along(-qSin(end), -qCos(end));
    const QPointF across(along.y(), -along.x());
    QPolygonF head;
    head << tip + along * 3.2 << tip + across * 3.0 - along * 0.6
         << tip - across * 3.0 - along * 0.6;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(head);
    painter.restore();
}

// The header link marks live in the top of a 56x52 icon, centred on x = 28
// and kept within y 2..30; the app draws a label below them.
constexpr QPointF markCentre(28, 16);
constexpr qreal markStroke = 2.0;

void drawGlobeMark(QPainter& painter, const QColor& colour) {
    constexpr qreal radius = 12;
    const QRectF globe(markCentre.x() - radius, markCentre.y() - radius, 2 * radius, 2 * radius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen(colour, 1.5));
    painter.drawEllipse(QRectF(markCentre.x() - 5, globe.top(), 10, globe.height()));
    painter.drawLine(QPointF(globe.left(), markCentre.y()), QPointF(globe.right(), markCentre.y()));
    for (qreal dy : {-6.5, 6.5}) {
        const qreal half = qSqrt(radius * radius - dy * dy);
        painter.drawLine(QPointF(markCentre.x() - half, markCentre.y() + dy),
                         QPointF(markCentre.x() + half, markCentre.y() + dy));
    }
    painter.setPen(linePen(colour, markStroke));
    painter.drawEllipse(globe);
}

void drawCloudMark(QPainter& painter, const QColor& colour) {
    auto circle = [](qreal x, qreal y, qreal r) {
        QPainterPath path;
        path.addEllipse(QPointF(x, y), r, r);
        return path;
    };
    QPainterPath base;
    base.addRoundedRect(QRectF(14.5, 15, 27, 10), 5, 5);
    const QPainterPath cloud = base.united(circle(24, 15.5, 6.5))
                                   .united(circle(31.5, 13.5, 8))
                                   .united(circle(37, 18.5, 5.5))
                                   .simplified();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen(colour, markStroke));
    painter.drawPath(cloud);
}

// Two people, one a little behind the other.
void drawPeopleMark(QPainter& painter, const QColor& colour, const QColor& background) {
    auto person = [&](QPointF head, qreal headRadius, qreal shoulderHalf, qreal footY) {
        QPainterPath body;
        body.moveTo(head.x() - shoulderHalf, footY);
        body.cubicTo(head.x() - shoulderHalf, head.y() + headRadius + 2.5, head.x() + shoulderHalf,
                     head.y() + headRadius + 2.5, head.x() + shoulderHalf, footY);
        body.closeSubpath();
        body.addEllipse(head, headRadius, headRadius);
        // Knock out whatever lies behind, then outline.
        painter.setPen(linePen(background, markStroke + 3));
        painter.setBrush(background);
        painter.drawPath(body);
        painter.setPen(linePen(colour, markStroke));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(body);
    };
    person(QPointF(33.5, 9.5), 4.2, 7.5, 25);
    person(QPointF(23.5, 11), 5, 9, 28);
}

// A chat bubble with three dots.
void drawChatMark(QPainter& painter, const QColor& colour) {
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(14, 4, 28, 20), 6.5, 6.5);
    QPainterPath tail;
    tail.moveTo(18.5, 22);
    tail.lineTo(17, 29);
    tail.lineTo(26, 22);
    tail.closeSubpath();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen(colour, markStroke));
    painter.drawPath(bubble.united(tail).simplified());

    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (qreal x : {21.5, 28.0, 34.5})
        painter.drawEllipse(QPointF(x, 14), 2, 2);
}

// --- logo -------------------------------------------------------------

// "vantorelle" in the interface font, its "o" replaced by a teal lens: a
// ring the weight of the letter stems with a glass in the middle.
void drawLogo(QPainter& painter, const QSizeF& box) {
    constexpr qreal designSize = 100; // laid out large, then scaled to fit
    constexpr qreal margin = 4;
    const QFont font = uiFont(designSize, true);
    const QFontMetricsF metrics(font);
    const QString before = QStringLiteral("vant");
    const QString after = QStringLiteral("relle");

    QPainterPath letters;
    letters.addText(0, 0, font, before);
    const qreal lensLeft = metrics.horizontalAdvance(before);
    const qreal lensAdvance = metrics.horizontalAdvance(QStringLiteral("o"));
    letters.addText(lensLeft + lensAdvance, 0, font, after);

    QPainterPath stem;
    stem.addText(0, 0, font, QStringLiteral("l"));
    const qreal stemWidth = stem.boundingRect().width();
    QPainterPath sampleO;
    sampleO.addText(0, 0, font, QStringLiteral("o"));
    const QRectF oBounds = sampleO.boundingRect();

    const QPointF lensCentre(lensLeft + oBounds.center().x(), oBounds.center().y());
    const qreal outerRadius = oBounds.height() / 2;
    const qreal innerRadius = outerRadius - stemWidth;
    QPainterPath lens; // odd-even filling: ring, gap, glass
    lens.addEllipse(lensCentre, outerRadius, outerRadius);
    lens.addEllipse(lensCentre, innerRadius, innerRadius);
    lens.addEllipse(lensCentre, innerRadius * 0.45, innerRadius * 0.45);

    const QRectF bounds = letters.boundingRect().united(lens.boundingRect());
    const qreal scale = (box.width() - 2 * margin) / bounds.width();

    painter.save();
    painter.translate(box.width() / 2, box.height() / 2);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.setPen(Qt::NoPen);
    painter.fillPath(letters, palette::wordmark);
    painter.fillPath(lens, palette::accent);
    painter.restore();
}

// --- the picture list ------------------------------------------------

std::vector<UiPicture> uiPictures() {
    std::vector<UiPicture> pictures;

    const Piece segmentPieces[] = {
        {QStringLiteral("left"), leftCorners, allEdges},
        {QStringLiteral("middle"), noCorners, continuingEdges},
        {QStringLiteral("right"), rightCorners, continuingEdges},
        {QStringLiteral("single"), allCorners, allEdges},
    };
    const struct {
        QString suffix;
        SegmentStyle style;
    } segmentStates[] = {
        {QString(), segmentPlain},
        {QStringLiteral("_hold"), segmentHover},
        {QStringLiteral("_on"), segmentSelected},
    };
    for (const auto& state : segmentStates) {
        for (const Piece& piece : segmentPieces) {
            const QSize size(100, 30);
            pictures.push_back({piece.name + state.suffix + QStringLiteral(".png"), size,
                                Qt::transparent, [=](QPainter& p) {
                                    paintSegment(p, QRectF(QPointF(0, 0), size), 6, piece.corners,
                                                 piece.edges, state.style);
                                }});
        }
    }

    // The page menu: tabs along the bottom of the header band.
    const Piece menuPieces[] = {
        {QStringLiteral("menuleft"), topLeftCorner, allEdges},
        {QStringLiteral("menumiddle"), noCorners, continuingEdges},
        {QStringLiteral("menuright"), topRightCorner, continuingEdges},
    };
    for (const Piece& piece : menuPieces) {
        for (bool selected : {false, true}) {
            const QSize size(166, 40);
            const QString name = piece.name + (selected ? QStringLiteral("_on") : QString());
            const SegmentStyle style = selected ? menuSelected : menuPlain;
            pictures.push_back(
                {name + QStringLiteral(".png"), size, Qt::transparent, [=](QPainter& p) {
                     paintSegment(p, QRectF(QPointF(0, 0), size), 8, piece.corners, piece.edges,
                                  style);
                 }});
        }
    }

    // The on/off switch: two halves of one pill-shaped track; the active
    // half carries a teal knob. There is no divider, the track runs through.
    for (bool leftHalf : {true, false}) {
        for (bool active : {false, true}) {
            const QSize size(50, 28);
            const QString name = QStringLiteral("onoff_") +
                                 (leftHalf ? QStringLiteral("left") : QStringLiteral("right")) +
                                 (active ? QStringLiteral("_on") : QString());
            pictures.push_back(
                {name + QStringLiteral(".png"), size, Qt::transparent, [=](QPainter& p) {
                     const QRectF track(QPointF(0, 0), size);
                     paintSegment(p, track, track.height() / 2,
                                  leftHalf ? leftCorners : rightCorners,
                                  leftHalf ? Qt::Edges{Qt::LeftEdge, Qt::TopEdge, Qt::BottomEdge}
                                           : Qt::Edges{Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge},
                                  switchTrack);
                     if (active) {
                         // 3 px from the outer ends, 2 px either side of the seam
                         const QRectF knob(leftHalf ? 3 : 2, 3, 45, 22);
                         paintSegment(p, knob, knob.height() / 2, allCorners, allEdges, switchKnob);
                     }
                 }});
        }
    }

    for (bool hover : {false, true}) {
        const QSize size(130, 30);
        pictures.push_back({hover ? QStringLiteral("reset_hold.png") : QStringLiteral("reset.png"),
                            size, Qt::transparent, [=](QPainter& p) {
                                paintSegment(p, QRectF(QPointF(0, 0), size), 6, allCorners,
                                             allEdges, hover ? segmentHover : segmentPlain);
                                drawResetMark(p, QPointF(16, 15),
                                              hover ? QColor(118, 190, 204)
                                                    : QColor(100, 148, 158));
                            }});
    }

    pictures.push_back({QStringLiteral("logo.png"), QSize(93, 56), Qt::transparent,
                        [](QPainter& p) { drawLogo(p, QSizeF(93, 56)); }});

    // Header link icons: BMP without alpha on the flat header colour.
    using MarkFunction = std::function<void(QPainter&, const QColor&)>;
    const MarkFunction marks[] = {
        drawGlobeMark,
        drawCloudMark,
        [](QPainter& p, const QColor& c) { drawPeopleMark(p, c, palette::header); },
        drawChatMark,
    };
    int number = 1;
    for (const MarkFunction& mark : marks) {
        for (bool hover : {false, true}) {
            const QString name = QStringLiteral("globalmenu_%1%2.bmp")
                                     .arg(number)
                                     .arg(hover ? QLatin1Char('b') : QLatin1Char('a'));
            pictures.push_back({name, QSize(56, 52), palette::header, [=](QPainter& p) {
                                    mark(p, hover ? palette::accentBright : palette::markGrey);
                                }});
        }
        ++number;
    }

    return pictures;
}

} // namespace

bool writeUiPictures(const QDir& dir) {
    for (const UiPicture& picture : uiPictures()) {
        const bool bmp = picture.fileName.endsWith(QStringLiteral(".bmp"));
        for (int scale : {1, 2}) {
            QImage image =
                renderImage(picture.size * scale, scale, picture.background, picture.draw);
            if (bmp)
                image = image.convertToFormat(QImage::Format_RGB32);
            const QString fileName =
                scale == 1 ? picture.fileName : withSuffix(picture.fileName, QStringLiteral("@2x"));
            if (!saveImage(image, dir.filePath(fileName), bmp ? "bmp" : "png"))
                return false;
        }
    }
    return true;
}

} // namespace picturegen
