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

// Position on the face where the minute hand points at `minute`.
QPoint minutePosition(int minute) {
    const qreal radians = qDegreesToRadians(minute * 6.0);
    return QPointF(kSide / 2.0 + 60.0 * std::sin(radians), kSide / 2.0 - 60.0 * std::cos(radians))
        .toPoint();
}

// One input: "set HH:MM:SS" (by the program), "key Up|Down|PageUp|PageDown|Left|A",
// "wheel N" (angle delta; "max" and "min" for the extremes), "press M", "rpress M" (right
// button), "drag M", "release M" at minute M of the face.
void send(ClockFace& face, const QString& input) {
    const QString verb = input.section(QLatin1Char(' '), 0, 0);
    const QString arg = input.section(QLatin1Char(' '), 1);
    const QPoint at = minutePosition(arg.toInt());
    if (verb == QLatin1String("set")) {
        face.setTime(QTime::fromString(arg, Qt::ISODate));
    } else if (verb == QLatin1String("key")) {
        const QMap<QString, Qt::Key> keys{
            {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
            {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
            {"Left", Qt::Key_Left},     {"A", Qt::Key_A}};
        QTest::keyClick(&face, keys.value(arg));
    } else if (verb == QLatin1String("wheel")) {
        const int delta = arg == QLatin1String("max")   ? std::numeric_limits<int>::max()
                          : arg == QLatin1String("min") ? std::numeric_limits<int>::min()
                                                        : arg.toInt();
        const QPointF pos(kSide / 2.0, kSide / 2.0);
        QWheelEvent event(pos, face.mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&face, &event);
    } else if (verb == QLatin1String("press")) {
        QTest::mousePress(&face, Qt::LeftButton, Qt::NoModifier, at);
    } else if (verb == QLatin1String("rpress")) {
        QTest::mousePress(&face, Qt::RightButton, Qt::NoModifier, at);
        QTest::mouseRelease(&face, Qt::RightButton, Qt::NoModifier, at);
    } else if (verb == QLatin1String("drag")) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), face.mapToGlobal(QPointF(at)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&face, &event);
    } else if (verb == QLatin1String("release")) {
        QTest::mouseRelease(&face, Qt::LeftButton, Qt::NoModifier, at);
    }
}

} // namespace

class ClockFaceTest : public QObject {
    Q_OBJECT

  private slots:
    void inputSetsTheTime_data();
    void inputSetsTheTime();
};

void ClockFaceTest::inputSetsTheTime_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("edits");
    // The inputs, separated by commas; the time then and the number of edits reported.
    const auto row = [](const char* name, const char* inputs, const char* time, int edits) {
        QTest::newRow(name) << QString::fromLatin1(inputs).split(QStringLiteral(", "))
                            << QTime::fromString(QLatin1String(time)) << edits;
    };
    row("set by the program", "set 10:08:37, set 22:45:00", "22:45:00", 0);
    row("invalid time", "set 10:08:37, set 25:00:00", "00:00:00", 0);
    row("up past midnight", "set 23:59:00, key Up", "00:00:00", 1);
    row("up and down", "set 23:59:00, key Up, key Down", "23:59:00", 2);
    row("up keeps the seconds", "set 12:30:15, key Up", "12:31:15", 1);
    row("page keys step hours", "set 23:10:05, key PageUp, key PageDown, key PageDown", "22:10:05",
        3);
    row("other keys", "set 07:20:00, key Left, key A", "07:20:00", 0);
    row("wheel notches step hours", "set 23:15:30, wheel 120, wheel -120, wheel -120", "22:15:30",
        3);
    row("wheel fractions add up", "set 09:00:00, wheel 40, wheel 40, wheel 40", "10:00:00", 1);
    // The sums stay far from overflowing (the sanitizer build stops at a signed overflow); a
    // day's worth of notches or more turns the clock a day at most.
    row("huge wheel deltas", "set 09:00:00, wheel 40, wheel max, wheel min, wheel min", "10:00:00",
        1);
    row("press at three o'clock", "set 10:08:37, press 15, release 15", "10:15:00", 1);
    row("other buttons", "set 10:08:37, rpress 15", "10:08:37", 0);
    row("dragging clockwise onto the next hour",
        "set 23:50:00, press 55, drag 58, drag 2, release 2", "00:02:00", 3);
    row("dragging clockwise across twelve",
        "set 23:50:00, press 55, drag 58, drag 2, drag 10, release 10", "00:10:00", 4);
    row("dragging back across twelve", "set 00:05:00, press 3, drag 57, release 57", "23:57:00", 2);
    row("dragging within the hour",
        "set 14:00:00, press 5, drag 20, drag 40, drag 55, drag 30, release 30", "14:30:00", 5);
}

void ClockFaceTest::inputSetsTheTime() {
    QFETCH(QStringList, inputs);
    ClockFace face;
    face.resize(kSide, kSide);
    QSignalSpy edits(&face, &ClockFace::timeEdited);
    for (const QString& input : inputs) {
        send(face, input);
    }
    QTEST(face.time(), "time");
    QTEST(int(edits.count()), "edits");
    // The last edit reports the time the face shows.
    QVERIFY(edits.isEmpty() || edits.last().at(0).toTime() == face.time());
    QCOMPARE(face.accessibleDescription(), face.time().toString(QStringLiteral("HH:mm:ss")));
}

QTEST_MAIN(ClockFaceTest)
#include "clockface_test.moc"
