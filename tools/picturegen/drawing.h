// Shared painting helpers for picturegen: the palette, the rounded segment
// painter every button piece is built from, and image rendering/saving.

#pragma once

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace picturegen {

namespace palette {
inline const QColor accent{43, 161, 182};
inline const QColor accentBright{72, 196, 216};
inline const QColor titleGrey{113, 120, 128};
inline const QColor window{28, 31, 36};
inline const QColor header{36, 40, 46};
inline const QColor outline{70, 77, 86};
inline const QColor markGrey{150, 158, 168};
inline const QColor wordmark{226, 230, 235};
} // namespace palette

enum class Corner { TopLeft = 0x1, TopRight = 0x2, BottomLeft = 0x4, BottomRight = 0x8 };
Q_DECLARE_FLAGS(Corners, Corner)
Q_DECLARE_OPERATORS_FOR_FLAGS(Corners)

inline constexpr Corners noCorners{};
inline constexpr Corners leftCorners{Corner::TopLeft, Corner::BottomLeft};
inline constexpr Corners rightCorners{Corner::TopRight, Corner::BottomRight};
inline constexpr Corners topLeftCorner{Corner::TopLeft};
inline constexpr Corners topRightCorner{Corner::TopRight};
inline constexpr Corners allCorners{Corner::TopLeft, Corner::TopRight, Corner::BottomLeft,
                                    Corner::BottomRight};

inline constexpr Qt::Edges allEdges{Qt::LeftEdge, Qt::TopEdge, Qt::RightEdge, Qt::BottomEdge};

// Colours of one state (plain, hover, selected) of a segment.
struct SegmentStyle {
    QColor fillTop;
    QColor fillBottom;
    QColor outline = palette::outline;
    QColor accent = {};     // band along the bottom edge; invalid colour means none
    qreal accentHeight = 0; // in logical pixels
};

// A rectangle whose selected corners are rounded with the given radius.
QPainterPath roundedPath(const QRectF& rect, qreal radius, Corners corners);

// Paints one segment: a 1 px outline on the requested edges (following the
// rounded corners), a vertical gradient fill inside it and an optional
// accent band along the bottom. Leaving an edge out lets neighbouring
// pieces continue seamlessly; listing the right edge of a piece that has a
// neighbour to its right turns the outline into the divider between them.
void paintSegment(QPainter& painter, const QRectF& rect, qreal radius, Corners corners,
                  Qt::Edges outlineEdges, const SegmentStyle& style);

// A pen for line icons: round caps and joins.
QPen linePen(const QColor& colour, qreal width);

// "DejaVu Sans" with generic sans-serif fallbacks, sized in pixels.
QFont uiFont(qreal pixelSize, bool bold);

using DrawFunction = std::function<void(QPainter&)>;

// Renders a picture drawn in logical coordinates into an image of
// pixelSize, with the painter scaled by scale and antialiasing on.
QImage renderImage(const QSize& pixelSize, qreal scale, const QColor& background,
                   const DrawFunction& draw);

// Prints "picturegen: message" on stderr.
void reportError(const QString& message);

// Writes image to path in the given format; reports failures on stderr. PNG pictures are written
// without row filters (see writePng in drawing.cpp).
bool saveImage(const QImage& image, const QString& path, const char* format, int quality = -1);

// Inserts "@2x" (or another suffix) before the extension of fileName.
QString withSuffix(const QString& fileName, const QString& suffix);

} // namespace picturegen
