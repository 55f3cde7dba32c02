// The clock face as a time picker: what each kind of user input does to the time, and that only
// user input is reported through timeEdited().
#include "clockface.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <QtMath>

#include <cmath>
#include <limits>

namespace {

constexpr int kSide = 170;

// Position on the face of a 170x170 widget where the minute hand points at `minute`.
QPoint minutePosition(int minute, qreal radius = 60.0) {
    const qreal radians = qDegreesToRadians(minute * 6.0);
    const qreal centre = kSide / 2.0;
    return QPointF(centre + radius * std::sin(radians), centre - radius * std::cos(radians))
        .toPoint();
}

void sendWheel(QWidget& widget, int angleDeltaY) {
    const QPointF pos(kSide / 2.0, kSide / 2.0);
    QWheelEvent event(pos, widget.mapToGlobal(pos), QPoint(), QPoint(0, angleDeltaY), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

void sendDrag(QWidget& widget, const QPoint& pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), widget.mapToGlobal(QPointF(pos)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

QTime lastEdited(const QSignalSpy& spy) {
    return spy.last().at(0).value<QTime>();
}

// A face of the size the tests aim at, with every timeEdited() it emits recorded.
struct Fixture {
    Fixture() { face.resize(kSide, kSide); }

    ClockFace face;
    QSignalSpy edits{&face, &ClockFace::timeEdited};
};

} // namespace

class ClockFaceTest : public QObject {
    Q_OBJECT

  private slots:
    void setTimeShowsTheTimeWithoutReportingAnEdit();
    void invalidTimeShowsMidnight();
    void arrowKeysStepMinutesAndWrapAroundMidnight();
    void pageKeysStepHoursAndWrapAroundMidnight();
    void otherKeysLeaveTheTimeAlone();
    void wheelNotchesStepHours();
    void wheelFractionsAddUpToANotch();
    void hugeWheelDeltasTurnADayAtMost();
    void pressAtThreeOClockSetsFifteenMinutes();
    void pressWithOtherButtonsChangesNothing();
    void draggingClockwiseAcrossTwelveAdvancesTheHour();
    void draggingBackAcrossTwelveGoesBackAnHour();
    void draggingWithinTheHourKeepsTheHour();
    void accessibleDescriptionFollowsTheTime();
};

void ClockFaceTest::setTimeShowsTheTimeWithoutReportingAnEdit() {
    Fixture f;
    f.face.setTime(QTime(10, 8, 37));
    f.face.setTime(QTime(22, 45, 0));

    QCOMPARE(f.face.time(), QTime(22, 45, 0));
    QCOMPARE(f.edits.count(), 0);
}

void ClockFaceTest::invalidTimeShowsMidnight() {
    Fixture f;
    f.face.setTime(QTime(10, 8, 37));
    f.face.setTime(QTime());
    QCOMPARE(f.face.time(), QTime(0, 0, 0));

    f.face.setTime(QTime(10, 8, 37));
    f.face.setTime(QTime(25, 0, 0));
    QCOMPARE(f.face.time(), QTime(0, 0, 0));
    QCOMPARE(f.edits.count(), 0);
}

void ClockFaceTest::arrowKeysStepMinutesAndWrapAroundMidnight() {
    Fixture f;
    f.face.setTime(QTime(23, 59, 0));
    QTest::keyClick(&f.face, Qt::Key_Up);
    QCOMPARE(f.face.time(), QTime(0, 0, 0));
    QCOMPARE(f.edits.count(), 1);
    QCOMPARE(lastEdited(f.edits), QTime(0, 0, 0));

    QTest::keyClick(&f.face, Qt::Key_Down);
    QCOMPARE(f.face.time(), QTime(23, 59, 0));
    QCOMPARE(f.edits.count(), 2);
    QCOMPARE(lastEdited(f.edits), QTime(23, 59, 0));

    f.face.setTime(QTime(12, 30, 15));
    QTest::keyClick(&f.face, Qt::Key_Up);
    QCOMPARE(f.face.time(), QTime(12, 31, 15));
}

void ClockFaceTest::pageKeysStepHoursAndWrapAroundMidnight() {
    Fixture f;
    f.face.setTime(QTime(23, 10, 5));
    QTest::keyClick(&f.face, Qt::Key_PageUp);
    QCOMPARE(f.face.time(), QTime(0, 10, 5));

    QTest::keyClick(&f.face, Qt::Key_PageDown);
    QTest::keyClick(&f.face, Qt::Key_PageDown);
    QCOMPARE(f.face.time(), QTime(22, 10, 5));
    QCOMPARE(f.edits.count(), 3);
    QCOMPARE(lastEdited(f.edits), QTime(22, 10, 5));
}

void ClockFaceTest::otherKeysLeaveTheTimeAlone() {
    Fixture f;
    f.face.setTime(QTime(7, 20, 0));
    QTest::keyClick(&f.face, Qt::Key_Left);
    QTest::keyClick(&f.face, Qt::Key_A);
    QCOMPARE(f.face.time(), QTime(7, 20, 0));
    QCOMPARE(f.edits.count(), 0);
}

void ClockFaceTest::wheelNotchesStepHours() {
    Fixture f;
    f.face.setTime(QTime(23, 15, 30));
    sendWheel(f.face, QWheelEvent::DefaultDeltasPerStep);
    QCOMPARE(f.face.time(), QTime(0, 15, 30));
    QCOMPARE(f.edits.count(), 1);

    sendWheel(f.face, -QWheelEvent::DefaultDeltasPerStep);
    sendWheel(f.face, -QWheelEvent::DefaultDeltasPerStep);
    QCOMPARE(f.face.time(), QTime(22, 15, 30));
    QCOMPARE(f.edits.count(), 3);
    QCOMPARE(lastEdited(f.edits), QTime(22, 15, 30));
}

void ClockFaceTest::wheelFractionsAddUpToANotch() {
    Fixture f;
    f.face.setTime(QTime(9, 0, 0));
    sendWheel(f.face, QWheelEvent::DefaultDeltasPerStep / 3);
    sendWheel(f.face, QWheelEvent::DefaultDeltasPerStep / 3);
    QCOMPARE(f.edits.count(), 0);

    sendWheel(f.face, QWheelEvent::DefaultDeltasPerStep / 3);
    QCOMPARE(f.face.time(), QTime(10, 0, 0));
    QCOMPARE(f.edits.count(), 1);
}

// Whatever a wheel event claims, the sums stay far from overflowing (the sanitizer build
// stops at a signed overflow); a day's worth of notches or more turns the clock a day at most.
void ClockFaceTest::hugeWheelDeltasTurnADayAtMost() {
    Fixture f;
    f.face.setTime(QTime(9, 0, 0));
    sendWheel(f.face, QWheelEvent::DefaultDeltasPerStep / 3);
    sendWheel(f.face, std::numeric_limits<int>::max());
    QCOMPARE(f.face.time(), QTime(9, 0, 0));
    sendWheel(f.face, std::numeric_limits<int>::min());
    sendWheel(f.face, std::numeric_limits<int>::min());
    QCOMPARE(f.face.time(), QTime(10, 0, 0));
}

void ClockFaceTest::pressAtThreeOClockSetsFifteenMinutes() {
    Fixture f;
    f.face.setTime(QTime(10, 8, 37));
    QTest::mousePress(&f.face, Qt::LeftButton, Qt::NoModifier, QPoint(kSide - 10, kSide / 2));

    QCOMPARE(f.face.time(), QTime(10, 15, 0));
    QCOMPARE(f.edits.count(), 1);
    QCOMPARE(lastEdited(f.edits), QTime(10, 15, 0));

    QTest::mouseRelease(&f.face, Qt::LeftButton, Qt::NoModifier, QPoint(kSide - 10, kSide / 2));
    QCOMPARE(f.edits.count(), 1);
}

void ClockFaceTest::pressWithOtherButtonsChangesNothing() {
    Fixture f;
    f.face.setTime(QTime(10, 8, 37));
    QTest::mousePress(&f.face, Qt::RightButton, Qt::NoModifier, minutePosition(15));
    QTest::mouseRelease(&f.face, Qt::RightButton, Qt::NoModifier, minutePosition(15));

    QCOMPARE(f.face.time(), QTime(10, 8, 37));
    QCOMPARE(f.edits.count(), 0);
}

void ClockFaceTest::draggingClockwiseAcrossTwelveAdvancesTheHour() {
    Fixture f;
    f.face.setTime(QTime(23, 50, 0));
    QTest::mousePress(&f.face, Qt::LeftButton, Qt::NoModifier, minutePosition(55));
    sendDrag(f.face, minutePosition(58));
    sendDrag(f.face, minutePosition(2));
    QCOMPARE(f.face.time(), QTime(0, 2, 0));

    sendDrag(f.face, minutePosition(10));
    QTest::mouseRelease(&f.face, Qt::LeftButton, Qt::NoModifier, minutePosition(10));
    QCOMPARE(f.face.time(), QTime(0, 10, 0));
    QCOMPARE(f.edits.count(), 4);
    QCOMPARE(lastEdited(f.edits), QTime(0, 10, 0));
}

void ClockFaceTest::draggingBackAcrossTwelveGoesBackAnHour() {
    Fixture f;
    f.face.setTime(QTime(0, 5, 0));
    QTest::mousePress(&f.face, Qt::LeftButton, Qt::NoModifier, minutePosition(3));
    sendDrag(f.face, minutePosition(57));
    QTest::mouseRelease(&f.face, Qt::LeftButton, Qt::NoModifier, minutePosition(57));

    QCOMPARE(f.face.time(), QTime(23, 57, 0));
    QCOMPARE(lastEdited(f.edits), QTime(23, 57, 0));
}

void ClockFaceTest::draggingWithinTheHourKeepsTheHour() {
    Fixture f;
    f.face.setTime(QTime(14, 0, 0));
    QTest::mousePress(&f.face, Qt::LeftButton, Qt::NoModifier, minutePosition(5));
    sendDrag(f.face, minutePosition(20));
    sendDrag(f.face, minutePosition(40));
    sendDrag(f.face, minutePosition(55));
    sendDrag(f.face, minutePosition(30));
    QTest::mouseRelease(&f.face, Qt::LeftButton, Qt::NoModifier, minutePosition(30));

    QCOMPARE(f.face.time(), QTime(14, 30, 0));
}

void ClockFaceTest::accessibleDescriptionFollowsTheTime() {
    Fixture f;
    f.face.setTime(QTime(8, 5, 9));
    QCOMPARE(f.face.accessibleDescription(), QStringLiteral("08:05:09"));

    QTest::keyClick(&f.face, Qt::Key_PageUp);
    QCOMPARE(f.face.accessibleDescription(), QStringLiteral("09:05:09"));
}

QTEST_MAIN(ClockFaceTest)
#include "clockface_test.moc"
