// The image button's pictures, title colours and pointer shapes, through real enter and leave
// events.
#include "blackscroller.h"

#include <QEnterEvent>
#include <QTest>

namespace {

// How the button is set up: "tracked" in the window's order (kind, tracking, pictures),
// "tracked last" (pictures before tracking: no swapping), "untracked"; "select" and "flag" as
// setSelected() and setIfSelect(true) before the pointer comes.
struct Pointer {
    const char* name;
    int kind;
    const char* setUp;
    const char* onEnter;
    const char* onLeave;
    bool hand;
    bool titleSelected;
};

} // namespace

Q_DECLARE_METATYPE(Pointer)

class BlackScrollerTest : public QObject {
    Q_OBJECT

  private slots:
    void pointerSwapsPicturesWhereTracked_data();
    void pointerSwapsPicturesWhereTracked();
};

void BlackScrollerTest::pointerSwapsPicturesWhereTracked_data() {
    QTest::addColumn<Pointer>("row");
    const Pointer rows[] = {
        {"plain", 1, "tracked", "middle_hold.png", "middle.png", true, false},
        {"selected", 1, "tracked select", "middle_hold.png", "middle_on.png", true, true},
        {"selected, then not", 1, "tracked select deselect", "middle_hold.png", "middle.png", true,
         false},
        // The flag alone decides the exit picture; the title keeps its colour.
        {"flag only", 1, "tracked flag", "middle_hold.png", "middle_on.png", true, false},
        {"tracking after the pictures", 3, "tracked last flag", "middle.png", "middle.png", true,
         false},
        {"untracked", 2, "untracked", "middle.png", "middle.png", false, false},
        {"unknown kind", 4, "tracked", "middle.png", "middle.png", true, false},
        {"negative kind", -1, "tracked", "middle.png", "middle.png", true, false},
    };
    for (const Pointer& row : rows) {
        QTest::newRow(row.name) << row;
    }
}

void BlackScrollerTest::pointerSwapsPicturesWhereTracked() {
    QFETCH(Pointer, row);
    const QString setUp = QLatin1String(row.setUp);
    BlackScroller button;
    button.setText(QStringLiteral("5MP"));
    button.setImageName(QStringLiteral("middle.png"));
    button.setKind(row.kind);
    if (setUp.startsWith(QLatin1String("tracked")) && !setUp.contains(QLatin1String("last"))) {
        button.setMyTracking();
    }
    button.setDisplayImage(QStringLiteral("middle.png"), QStringLiteral("middle_hold.png"));
    if (setUp.contains(QLatin1String("flag"))) {
        button.setIfSelect(true);
    }
    if (setUp.contains(QLatin1String("last"))) {
        button.setMyTracking();
    }
    if (setUp.contains(QLatin1String("select"))) {
        button.setSelected();
        QCOMPARE(button.imageName(), QStringLiteral("middle.png"));
    }
    if (setUp.contains(QLatin1String("deselect"))) {
        button.removeSelected();
    }
    const QPointF inside(2, 2);
    QEnterEvent enter(inside, inside, button.mapToGlobal(inside));
    QCoreApplication::sendEvent(&button, &enter);
    QCOMPARE(button.imageName(), row.onEnter);
    QCOMPARE(button.testAttribute(Qt::WA_SetCursor) &&
                 button.cursor().shape() == Qt::OpenHandCursor,
             row.hand);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &leave);
    QCOMPARE(button.imageName(), row.onLeave);
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(button.titleColor() == BlackScroller::selectedTitleColor(), row.titleSelected);
    QCOMPARE(button.text(), QStringLiteral("5MP"));
}

QTEST_MAIN(BlackScrollerTest)
#include "blackscroller_test.moc"
