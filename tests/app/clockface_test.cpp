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
    QTest::addColumn<QString>("lastEdit");
    QTest::newRow("set by the program")
        << QStringList{"set 10:08:37", "set 22:45:00"} << QTime(22, 45) << 0 << "";
    QTest::newRow("invalid time") << QStringList{"set 10:08:37", "set 25:00:00"} << QTime(0, 0) << 0
                                  << "";
    QTest::newRow("up past midnight")
        << QStringList{"set 23:59:00", "key Up"} << QTime(0, 0) << 1 << "00:00:00";
    QTest::newRow("up and down") << QStringList{"set 23:59:00", "key Up", "key Down"}
                                 << QTime(23, 59) << 2 << "23:59:00";
    QTest::newRow("up keeps the seconds")
        << QStringList{"set 12:30:15", "key Up"} << QTime(12, 31, 15) << 1 << "12:31:15";
    QTest::newRow("page keys step hours")
        << QStringList{"set 23:10:05", "key PageUp", "key PageDown", "key PageDown"}
        << QTime(22, 10, 5) << 3 << "22:10:05";
    QTest::newRow("other keys") << QStringList{"set 07:20:00", "key Left", "key A"} << QTime(7, 20)
                                << 0 << "";
    QTest::newRow("wheel notches step hours")
        << QStringList{"set 23:15:30", "wheel 120", "wheel -120", "wheel -120"} << QTime(22, 15, 30)
        << 3 << "22:15:30";
    QTest::newRow("wheel fractions add up")
        << QStringList{"set 09:00:00", "wheel 40", "wheel 40", "wheel 40"} << QTime(10, 0) << 1
        << "10:00:00";
    // The sums stay far from overflowing (the sanitizer build stops at a signed overflow); a
    // day's worth of notches or more turns the clock a day at most.
    QTest::newRow("huge wheel deltas")
        << QStringList{"set 09:00:00", "wheel 40", "wheel max", "wheel min", "wheel min"}
        << QTime(10, 0) << 1 << "10:00:00";
    QTest::newRow("press at three o'clock") << QStringList{"set 10:08:37", "press 15", "release 15"}
                                            << QTime(10, 15) << 1 << "10:15:00";
    QTest::newRow("other buttons")
        << QStringList{"set 10:08:37", "rpress 15"} << QTime(10, 8, 37) << 0 << "";
    QTest::newRow("dragging clockwise onto the next hour")
        << QStringList{"set 23:50:00", "press 55", "drag 58", "drag 2", "release 2"} << QTime(0, 2)
        << 3 << "00:02:00";
    QTest::newRow("dragging clockwise across twelve")
        << QStringList{"set 23:50:00", "press 55", "drag 58", "drag 2", "drag 10", "release 10"}
        << QTime(0, 10) << 4 << "00:10:00";
    QTest::newRow("dragging back across twelve")
        << QStringList{"set 00:05:00", "press 3", "drag 57", "release 57"} << QTime(23, 57) << 2
        << "23:57:00";
    QTest::newRow("dragging within the hour")
        << QStringList{"set 14:00:00", "press 5", "drag 20",   "drag 40",
                       "drag 55",      "drag 30", "release 30"}
        << QTime(14, 30) << 5 << "14:30:00";
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
    QTEST(edits.isEmpty() ? QString() : edits.last().at(0).toTime().toString(Qt::ISODate),
          "lastEdit");
    QCOMPARE(face.accessibleDescription(), face.time().toString(QStringLiteral("HH:mm:ss")));
}

QTEST_MAIN(ClockFaceTest)
#include "clockface_test.moc"
