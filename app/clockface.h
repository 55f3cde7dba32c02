#pragma once

#include <QTime>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QPointF;
class QWheelEvent;

// An analog clock face that doubles as a time picker. It shows a time of day with hour, minute
// and seconds hands and lets the user set it by turning the minute hand with the mouse (carrying
// the hour when the hand passes twelve), by the mouse wheel (whole hours) or by the keyboard
// (Up/Down for minutes, Page Up/Page Down for hours). Only changes made by the user are
// announced through timeEdited(), so the face can mirror a text time editor without feedback
// loops. In a widget taller than wide the dial sits at the top; in languages that count the
// hours in two halves of twelve, the room under it shows "AM" or "PM".
class ClockFace : public QWidget {
    Q_OBJECT

  public:
    explicit ClockFace(QWidget* parent = nullptr);

    // The time shown; always a valid time of day.
    QTime time() const;
    // Shows `time` (midnight when it is invalid) without emitting timeEdited().
    void setTime(const QTime& time);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // Emitted after the user has changed the time, with the new time.
    void timeEdited(const QTime& time);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPointF faceCentre() const;
    qreal faceRadius() const;
    // Minute (0..59) the hand would point at for `pos`, or -1 when `pos` is too close to the
    // centre to give a direction.
    int minuteAt(const QPointF& pos) const;
    void paintFace(QPainter& painter) const;
    void showTime(const QTime& time);
    void editTime(const QTime& time);

    QTime time_{0, 0, 0};
    int wheelRemainder_ = 0;
    bool dragging_ = false;
};
