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

// Set up in the order the window uses: kind, tracking region, pictures.
void setUp(BlackScroller& button, int32_t kind, const char* normal, const char* hover) {
    button.setKind(kind);
    button.setMyTracking();
    button.setDisplayImage(QString::fromLatin1(normal), QString::fromLatin1(hover));
}

} // namespace

class BlackScrollerTest : public QObject {
    Q_OBJECT

  private slots:
    void selectedPictureFollowsKindAndName_data();
    void selectedPictureFollowsKindAndName();
    void pointerSwapsPicturesAndSelectionDecidesTheExit();
    void selectionAloneChangesOnlyTheTitle();
    void trackingAfterPicturesTurnsSwappingOff();
    void withoutTrackingNothingReacts();
    void unknownKindOnlyChangesThePointer();
    void recolouringKeepsTitleAndFont();
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

void BlackScrollerTest::pointerSwapsPicturesAndSelectionDecidesTheExit() {
    BlackScroller button;
    button.setText(QStringLiteral("5MP"));
    setUp(button, BlackScroller::Middle, "middle.png", "middle_hold.png");
    enter(&button);
    QCOMPARE(button.imageName(), QStringLiteral("middle_hold.png"));
    QCOMPARE(button.cursor().shape(), Qt::OpenHandCursor);
    leave(&button);
    QCOMPARE(button.imageName(), QStringLiteral("middle.png"));
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);

    button.setSelected();
    QCOMPARE(button.titleColor(), BlackScroller::selectedTitleColor());
    enter(&button);
    QCOMPARE(button.imageName(), QStringLiteral("middle_hold.png"));
    leave(&button);
    QCOMPARE(button.imageName(), QStringLiteral("middle_on.png"));

    button.removeSelected();
    QCOMPARE(button.titleColor(), BlackScroller::greyTitleColor());
    enter(&button);
    leave(&button);
    QCOMPARE(button.imageName(), QStringLiteral("middle.png"));

    // The flag alone decides the exit picture; the title keeps its colour.
    button.setIfSelect(true);
    enter(&button);
    leave(&button);
    QCOMPARE(button.imageName(), QStringLiteral("middle_on.png"));
    QCOMPARE(button.titleColor(), BlackScroller::greyTitleColor());
}

void BlackScrollerTest::selectionAloneChangesOnlyTheTitle() {
    BlackScroller button;
    setUp(button, BlackScroller::Left, "left.png", "left_hold.png");
    button.setImageName(QStringLiteral("left.png"));
    button.setSelected();
    QVERIFY(button.ifSelect());
    QCOMPARE(button.imageName(), QStringLiteral("left.png"));
    button.removeSelected();
    QVERIFY(!button.ifSelect());
    QCOMPARE(button.imageName(), QStringLiteral("left.png"));
}

void BlackScrollerTest::trackingAfterPicturesTurnsSwappingOff() {
    BlackScroller button;
    button.setKind(BlackScroller::Single);
    button.setDisplayImage(QStringLiteral("single.png"), QStringLiteral("single_hold.png"));
    button.setIfSelect(true);
    button.setMyTracking();
    QVERIFY(!button.swapsImages());
    QVERIFY(!button.ifSelect());
    button.setImageName(QStringLiteral("single.png"));
    enter(&button);
    QCOMPARE(button.imageName(), QStringLiteral("single.png"));
    QCOMPARE(button.cursor().shape(), Qt::OpenHandCursor);
    leave(&button);
    QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
}

void BlackScrollerTest::withoutTrackingNothingReacts() {
    BlackScroller button;
    button.setKind(BlackScroller::Right);
    button.setDisplayImage(QStringLiteral("right.png"), QStringLiteral("right_hold.png"));
    button.setImageName(QStringLiteral("right.png"));
    enter(&button);
    QCOMPARE(button.imageName(), QStringLiteral("right.png"));
    QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
    QVERIFY(!button.hasTracking());
}

void BlackScrollerTest::unknownKindOnlyChangesThePointer() {
    for (const int32_t kind : {4, -1}) {
        BlackScroller button;
        button.setImageName(QStringLiteral("single.png"));
        setUp(button, kind, "single.png", "single_hold.png");
        QCOMPARE(button.slotImageName(BlackScroller::HoverSlot), QStringLiteral("single_hold.png"));
        QVERIFY(button.slotImageName(BlackScroller::SelectedSlot).isEmpty());
        QVERIFY(!button.swapsImages());
        enter(&button);
        QCOMPARE(button.imageName(), QStringLiteral("single.png"));
        QCOMPARE(button.cursor().shape(), Qt::OpenHandCursor);
    }
}

void BlackScrollerTest::recolouringKeepsTitleAndFont() {
    BlackScroller button;
    QFont font = button.font();
    font.setBold(true);
    button.setFont(font);
    button.setText(QStringLiteral("Burst"));
    button.setMyButtonTitleColor(BlackScroller::selectedTitleColor());
    QCOMPARE(button.text(), QStringLiteral("Burst"));
    QVERIFY(button.font().bold());
    QCOMPARE(button.titleColor().alphaF(), 0.8F);
    QCOMPARE(BlackScroller::greyTitleColor(), QColor(113, 120, 128));
    QCOMPARE(BlackScroller::selectedTitleColor().rgb(), QColor(43, 161, 182).rgb());
}

QTEST_MAIN(BlackScrollerTest)
#include "blackscroller_test.moc"
