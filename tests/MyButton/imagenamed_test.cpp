// Pictures come from the program's resources at the density of the screen: run once at scale
// 1 and once with QT_SCALE_FACTOR=2.
#include "imagenamed.h"

#include <QGuiApplication>
#include <QTest>

class ImageNamedTest : public QObject {
    Q_OBJECT

  private slots:
    void picturesMatchTheScreenDensity();
};

void ImageNamedTest::picturesMatchTheScreenDensity() {
    const qreal expectedRatio = qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{"left.png", {100, 30}},
                    {"menuright_on.png", {166, 40}},
                    {"logo.png", {93, 56}},
                    {"globalmenu_1a.bmp", {56, 52}},
                    {"reset_hold.png", {130, 30}}};
    for (const auto& picture : pictures) {
        const QPixmap pixmap = imageNamed(QLatin1String(picture.name));
        QVERIFY2(!pixmap.isNull(), picture.name);
        QCOMPARE(pixmap.devicePixelRatio(), expectedRatio);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), picture.size);
    }
    QVERIFY(imageNamed(QStringLiteral("missing.png")).isNull());
}

QTEST_MAIN(ImageNamedTest)
#include "imagenamed_test.moc"
