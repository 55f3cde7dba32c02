#include "clockface.h"
#include "palette.h"

#include <QFont>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QRegularExpression>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr QColor kFaceFill = palette::kHeader;
constexpr QColor kFaceOutline = palette::kButtonBorder;
constexpr QColor kTick = palette::kLinkText;
constexpr QColor kMajorTick(205, 211, 218);
constexpr QColor kMinuteDot(150, 158, 168, 110);
constexpr QColor kHourHand(220, 224, 228);
constexpr QColor kMinuteHand(236, 239, 242);
constexpr QColor kAccent = palette::kTeal;
constexpr QColor kHandShadow(0, 0, 0, 80);

// Space between the widget's edge and the face; the focus ring is drawn inside it.
constexpr qreal kMargin = 4.0;
// Presses and drags this close to the centre give no usable direction and are not applied.
constexpr qreal kDeadZone = 4.0;
constexpr qreal kDisabledOpacity = 0.4;

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

// Point at `radius` from the centre in the direction of `degrees`, clockwise from twelve.
QPointF polar(qreal degrees, qreal radius) {
    const qreal radians = qDegreesToRadians(degrees);
    return {radius * std::sin(radians), -radius * std::cos(radians)};
}

// Whether the language tells the time of day in two halves; German, Japanese and most others
// count the hours to 24 and show no morning or afternoon label.
bool twelveHourClock(const QLocale& locale) {
    static const QRegularExpression quoted(QStringLiteral("'[^']*'"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(quoted);
    return format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
}

// Draws a hand from `tail` behind the centre to `length` in front of it, at `degrees`.
void drawHand(QPainter& painter, qreal degrees, qreal tail, qreal length, qreal width,
              const QColor& color, const QPointF& offset = {}) {
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(polar(degrees + 180.0, tail) + offset, polar(degrees, length) + offset);
}

} // namespace

ClockFace::ClockFace(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Time of day"));
    setAccessibleDescription(time_.toString(QStringLiteral("HH:mm:ss")));
}

QTime ClockFace::time() const {
    return time_;
}

void ClockFace::setTime(const QTime& time) {
    showTime(time);
}

QSize ClockFace::sizeHint() const {
    return {170, 170};
}

QSize ClockFace::minimumSizeHint() const {
    return {80, 80};
}

void ClockFace::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (isEnabled()) {
        paintFace(painter);
        return;
    }
    // Painting the face into a layer first fades it as a whole; fading each stroke separately
    // would let the face show through the hands.
    const qreal ratio = devicePixelRatioF();
    QPixmap layer(size() * ratio);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        paintFace(layerPainter);
    }
    painter.setOpacity(kDisabledOpacity);
    painter.drawPixmap(0, 0, layer);
}

void ClockFace::paintFace(QPainter& painter) const {
    const qreal radius = faceRadius();
    if (radius <= kDeadZone) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(faceCentre());

    // Strokes of 1 px sit on half pixels so that they stay sharp at the face's rim.
    painter.setPen(QPen(kFaceOutline, 1.0));
    painter.setBrush(kFaceFill);
    painter.drawEllipse(QPointF(), radius - 0.5, radius - 0.5);

    if (hasFocus()) {
        painter.setPen(QPen(kAccent, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(), radius + 2.0, radius + 2.0);
    }

    // Tick ends and the even width of the ticks at twelve, three, six and nine keep those four
    // on whole pixels around the centre.
    const qreal outer = std::round(radius * 0.90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMinuteDot);
    const qreal dotRadius = std::max(0.8, radius * 0.013);
    for (int minute = 0; minute < 60; ++minute) {
        if (minute % 5 != 0) {
            painter.drawEllipse(polar(minute * 6.0, radius * 0.865), dotRadius, dotRadius);
        }
    }
    for (int hour = 0; hour < 12; ++hour) {
        const bool major = hour % 3 == 0;
        const qreal inner = std::round(major ? radius * 0.73 : radius * 0.80);
        const qreal tickWidth =
            major ? 2.0 * std::max(1.0, std::round(radius * 0.018)) : std::max(1.2, radius * 0.02);
        painter.setPen(QPen(major ? kMajorTick : kTick, tickWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(polar(hour * 30.0, inner), polar(hour * 30.0, outer));
    }

    // The morning or afternoon label sits under the dial, where no hand reaches it.
    const int labelSize = std::max(7, qRound(radius * 0.14));
    const qreal roomBelow = height() - faceCentre().y() - radius - kMargin;
    if (roomBelow >= labelSize && twelveHourClock(locale())) {
        QFont font = painter.font();
        font.setPixelSize(labelSize);
        font.setWeight(QFont::DemiBold);
        font.setLetterSpacing(QFont::PercentageSpacing, 108);
        painter.setFont(font);
        painter.setPen(kTick);
        const QRectF textBox(-radius, radius + kMargin, 2.0 * radius, roomBelow);
        painter.drawText(textBox, Qt::AlignCenter,
                         time_.hour() < 12 ? locale().amText() : locale().pmText());
    }

    const int seconds = time_.second();
    const qreal minutes = time_.minute() + seconds / 60.0;
    const qreal hourDegrees = (time_.hour() % 12 + minutes / 60.0) * 30.0;
    const qreal minuteDegrees = minutes * 6.0;
    const qreal secondDegrees = seconds * 6.0;

    const qreal hourWidth = std::max(3.0, radius * 0.075);
    const qreal minuteWidth = std::max(2.0, radius * 0.045);
    const qreal secondWidth = std::max(1.0, radius * 0.016);
    const QPointF shadow(0.0, std::max(1.0, radius * 0.015));
    drawHand(painter, hourDegrees, radius * 0.08, radius * 0.50, hourWidth, kHandShadow, shadow);
    drawHand(painter, minuteDegrees, radius * 0.08, radius * 0.76, minuteWidth, kHandShadow,
             shadow);
    drawHand(painter, hourDegrees, radius * 0.08, radius * 0.50, hourWidth, kHourHand);
    drawHand(painter, minuteDegrees, radius * 0.08, radius * 0.76, minuteWidth, kMinuteHand);
    drawHand(painter, secondDegrees, radius * 0.18, radius * 0.84, secondWidth, kAccent);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    const qreal capRadius = std::max(2.5, radius * 0.055);
    painter.drawEllipse(QPointF(), capRadius, capRadius);
    painter.setBrush(kFaceFill);
    painter.drawEllipse(QPointF(), capRadius * 0.35, capRadius * 0.35);
}

void ClockFace::mousePressEvent(QMouseEvent* event) {
    const QPointF offset = event->position() - faceCentre();
    if (event->button() != Qt::LeftButton ||
        std::hypot(offset.x(), offset.y()) > faceRadius() + kMargin) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    const int minute = minuteAt(event->position());
    if (minute >= 0) {
        editTime(QTime(time_.hour(), minute, 0));
    }
}

void ClockFace::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const int minute = minuteAt(event->position());
    if (minute < 0) {
        return;
    }
    // A jump of more than half the dial between two positions of the hand means it went the
    // short way round, through twelve.
    const int previous = time_.minute();
    int hour = time_.hour();
    if (previous - minute > 30) {
        hour = (hour + 1) % 24;
    } else if (minute - previous > 30) {
        hour = (hour + 23) % 24;
    }
    editTime(QTime(hour, minute, 0));
}

void ClockFace::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && dragging_) {
        dragging_ = false;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void ClockFace::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    // High-resolution wheels report fractions of a notch; they are collected until a whole
    // notch has turned. More than a day's worth of notches turns the clock no further, and
    // keeps the sums below far from overflowing whatever the event claims.
    constexpr int kMostPerEvent = 24 * QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ += std::clamp(delta, -kMostPerEvent, kMostPerEvent);
    const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches != 0) {
        editTime(time_.addSecs(notches * kSecondsPerHour));
    }
    event->accept();
}

void ClockFace::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
        step = kSecondsPerMinute;
        break;
    case Qt::Key_Down:
        step = -kSecondsPerMinute;
        break;
    case Qt::Key_PageUp:
        step = kSecondsPerHour;
        break;
    case Qt::Key_PageDown:
        step = -kSecondsPerHour;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    editTime(time_.addSecs(step));
}

// The centre and the radius are kept to whole pixels so that the rim and the ticks at twelve,
// three, six and nine fall on the pixel grid. In a widget taller than wide the dial sits at
// the top and leaves the room below to the label.
QPointF ClockFace::faceCentre() const {
    return {std::floor(width() / 2.0), std::floor(std::min(width(), height()) / 2.0)};
}

qreal ClockFace::faceRadius() const {
    return std::floor(std::min(width(), height()) / 2.0) - kMargin;
}

int ClockFace::minuteAt(const QPointF& pos) const {
    const QPointF offset = pos - faceCentre();
    if (std::hypot(offset.x(), offset.y()) < kDeadZone) {
        return -1;
    }
    qreal degrees = qRadiansToDegrees(std::atan2(offset.x(), -offset.y()));
    if (degrees < 0.0) {
        degrees += 360.0;
    }
    return qRound(degrees / 6.0) % 60;
}

void ClockFace::showTime(const QTime& time) {
    const QTime shown = time.isValid() ? time : QTime(0, 0, 0);
    if (shown == time_) {
        return;
    }
    time_ = shown;
    setAccessibleDescription(time_.toString(QStringLiteral("HH:mm:ss")));
    update();
}

void ClockFace::editTime(const QTime& time) {
    if (time == time_) {
        return;
    }
    showTime(time);
    emit timeEdited(time_);
}
