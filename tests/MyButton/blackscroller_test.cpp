// The image button's pictures, title colours and pointer shapes, through real enter and leave
// events.
#include "blackscroller.h"

#include <QEnterEvent>
#include <QTest>

namespace {

void enter(QWidget* widget) {
    const QPointF inside(2, 2);
    QEnterEvent event(inside, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class BlackScrollerTest : public QObject {
    Q_OBJECT

  private slots:
    void selectedPictureFollowsKindAndName_data();
    void selectedPictureFollowsKindAndName();
    void pointerSwapsPicturesWhereTracked_data();
    void pointerSwapsPicturesWhereTracked();
};
void BlackScrollerTest::selectedPictureFollowsKindAndName_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("hover");
    QTest::addColumn<QString>("selected");
    QTest::newRow("left") << 0 << "left.png"
                          << "left_hold.png"
                          << "left_on.png";
    QTest::newRow("middle") << 1 << "middle.png"
                            << "middle_hold.png"
                            << "middle_on.png";
    QTest::newRow("right") << 2 << "right.png"
                           << "right_hold.png"
                           << "right_on.png";
    QTest::newRow("single") << 3 << "single.png"
                            << "single_hold.png"
                            << "single_on.png";
    QTest::newRow("own picture") << 3 << "reset.png"
                                 << "reset_hold.png"
                                 << "single_hold.png";
    QTest::newRow("case matters") << 0 << "Left.png"
                                  << "left_hold.png"
                                  << "left_hold.png";
}

void BlackScrollerTest::selectedPictureFollowsKindAndName() {
    QFETCH(int, kind);
    QFETCH(QString, normal);
    QFETCH(QString, hover);
    QFETCH(QString, selected);
    BlackScroller button;
    button.setKind(kind);
    button.setMyTracking();
    button.setDisplayImage(normal, hover);
    QCOMPARE(button.slotImageName(BlackScroller::NormalSlot), normal);
    QCOMPARE(button.slotImageName(BlackScroller::HoverSlot), hover);
    QCOMPARE(button.slotImageName(BlackScroller::SelectedSlot), selected);
    QVERIFY(button.swapsImages());
    QVERIFY(button.imageName().isEmpty());
}

// How the button is set up: "tracked" in the window's order (kind, tracking, pictures),
// "tracked last" (pictures before tracking: no swapping), "untracked"; "select" and "flag" as
// setSelected() and setIfSelect(true) before the pointer comes.
void BlackScrollerTest::pointerSwapsPicturesWhereTracked_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("onEnter");
    QTest::addColumn<QString>("onLeave");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<bool>("titleSelected");
    QTest::newRow("plain") << 1 << "tracked"
                           << "middle_hold.png"
                           << "middle.png" << true << false;
    QTest::newRow("selected") << 1 << "tracked select"
                              << "middle_hold.png"
                              << "middle_on.png" << true << true;
    QTest::newRow("selected, then not") << 1 << "tracked select deselect"
                                        << "middle_hold.png"
                                        << "middle.png" << true << false;
    // The flag alone decides the exit picture; the title keeps its colour.
    QTest::newRow("flag only") << 1 << "tracked flag"
                               << "middle_hold.png"
                               << "middle_on.png" << true << false;
    QTest::newRow("tracking after the pictures") << 3 << "tracked last flag"
                                                 << "middle.png"
                                                 << "middle.png" << true << false;
    QTest::newRow("untracked") << 2 << "untracked"
                               << "middle.png"
                               << "middle.png" << false << false;
    QTest::newRow("unknown kind") << 4 << "tracked"
                                  << "middle.png"
                                  << "middle.png" << true << false;
    QTest::newRow("negative kind") << -1 << "tracked"
                                   << "middle.png"
                                   << "middle.png" << true << false;
}

void BlackScrollerTest::pointerSwapsPicturesWhereTracked() {
    QFETCH(int, kind);
    QFETCH(QString, setUp);
    BlackScroller button;
    button.setText(QStringLiteral("5MP"));
    button.setImageName(QStringLiteral("middle.png"));
    button.setKind(kind);
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
    enter(&button);
    QTEST(button.imageName(), "onEnter");
    QTEST(button.testAttribute(Qt::WA_SetCursor) && button.cursor().shape() == Qt::OpenHandCursor,
          "hand");
    leave(&button);
    QTEST(button.imageName(), "onLeave");
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    QTEST(button.titleColor() == BlackScroller::selectedTitleColor(), "titleSelected");
    QCOMPARE(button.text(), QStringLiteral("5MP"));
}

QTEST_MAIN(BlackScrollerTest)
#include "blackscroller_test.moc"
