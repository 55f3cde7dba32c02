// Keyboard use, what assistive technology hears, and the camera details in the header.
#include "app_test_support.h"

#include "blackscroller.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

// The control of `page` that holds the keyboard focus: the focused widget, or the control it
// is part of (the calendar's days belong to the calendar).
QWidget* focusedControl(QWidget* page) {
    QWidget* control = QApplication::focusWidget();
    while (control != nullptr && control->parentWidget() != page) {
        control = control->parentWidget();
    }
    return control;
}

// How many pixels of two pictures of a widget differ plainly, not by a shade: a focus ring
// changes hundreds, a faint outline of one calendar day none.
int plainlyChangedPixels(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int delta =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
            changed += delta >= 48 ? 1 : 0;
        }
    }
    return changed;
}

// A key pressed and released where the keyboard's focus is.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

} // namespace

class KeyboardAccessTest : public QObject {
    Q_OBJECT

  private slots:
    void theKeyboardAloneWorksTheWindow();
    void selectionIsTheCheckedStateAndTheNameStaysTheSetting();
    void cameraDetailsShowWhatIsKnown();
    void aSaveAfterTheCameraWentAwayCreatesNoFile();
};

void KeyboardAccessTest::theKeyboardAloneWorksTheWindow() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QWidget* window = program->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto& ui = program->widgets();

    // Focus starts on the page's first group, not on a link: Space opens no browser.
    QCOMPARE(QApplication::focusWidget(), ui.buttonPAL);
    QVERIFY(ui.buttonPAL->showsFocusRing());
    press(Qt::Key_Space);
    QVERIFY(desktop.opened.isEmpty());

    // Return and Enter press the focused button as Space does.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.buttonNTSC);
    press(Qt::Key_Return);
    QVERIFY(ui.buttonNTSC->ifSelect());
    ui.button60HZ->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(ui.button60HZ->ifSelect());
    QVERIFY(volume.config().contains("[1,3,2,1,1,2,25,12,43,18,30,5,1,]"));

    // A link reached by Tab shows its ring; a mouse click on it leaves none.
    ui.buttonTavikWeb->setFocus(Qt::TabFocusReason);
    QVERIFY(ui.buttonTavikWeb->showsFocusRing());
    QTest::mouseClick(ui.buttonTavikWeb, Qt::LeftButton);
    QCOMPARE(desktop.opened.size(), 1);
    QVERIFY(!ui.buttonTavikWeb->showsFocusRing());

    // On the Date and Time page every Tab stop shows that it has the focus.
    ui.buttonAutoDateSet->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(program->currentPage(), ui.dateSetView);
    // The date and time boxes take one Tab for each of their fields.
    QSet<QWidget*> stops;
    QWidget* stop = focusedControl(ui.dateSetView);
    QImage focused = stop->grab().toImage();
    while (stop != nullptr && !stops.contains(stop)) {
        press(Qt::Key_Tab);
        QWidget* next = focusedControl(ui.dateSetView);
        if (next != stop) {
            QVERIFY2(plainlyChangedPixels(stop->grab().toImage(), focused) >= 100,
                     qPrintable(stop->objectName()));
            stops.insert(stop);
            stop = next;
            focused = stop != nullptr ? stop->grab().toImage() : QImage();
        }
    }
    for (QWidget* control : {static_cast<QWidget*>(ui.calender), static_cast<QWidget*>(ui.date),
                             static_cast<QWidget*>(ui.clock), static_cast<QWidget*>(ui.timePicker),
                             static_cast<QWidget*>(ui.buttonAutoDateOK)}) {
        QVERIFY2(stops.contains(control), qPrintable(control->objectName()));
    }

    // Escape acts as Back: the General page again, focus on Date Set, nothing stored.
    const QByteArray stored = volume.config();
    ui.timePicker->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Up);
    press(Qt::Key_Escape);
    QCOMPARE(program->currentPage(), ui.generalView);
    QCOMPARE(QApplication::focusWidget(), ui.buttonAutoDateSet);
    QCOMPARE(volume.config(), stored);
}

void KeyboardAccessTest::selectionIsTheCheckedStateAndTheNameStaysTheSetting() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    const auto& ui = program->widgets();
    const auto checkedState = [](BlackScroller* button) {
        const QAccessible::State state = accessible(button)->state();
        return state.checkable ? QString::number(int(state.checked)) : QStringLiteral("-");
    };
    QCOMPARE(accessible(ui.button16MP)->text(QAccessible::Name),
             QStringLiteral("Photo resolution 16MP"));
    QCOMPARE(checkedState(ui.button16MP), QStringLiteral("1"));
    QCOMPARE(checkedState(ui.button5MP), QStringLiteral("0"));
    QCOMPARE(checkedState(ui.buttonAutoRotOff), QStringLiteral("1"));
    QCOMPARE(checkedState(ui.buttonAutoDateSet), QStringLiteral("-"));
    // A second click on the chosen button leaves it chosen.
    for (int i = 0; i < 2; ++i) {
        clickButton(ui.buttonNTSC);
        QCOMPARE(checkedState(ui.buttonNTSC), QStringLiteral("1"));
        QCOMPARE(checkedState(ui.buttonPAL), QStringLiteral("0"));
    }
    QCOMPARE(accessible(ui.buttonNTSC)->text(QAccessible::Name), QStringLiteral("TV system NTSC"));
    QCOMPARE(accessible(ui.buttonTavikWeb)->text(QAccessible::Name),
             QStringLiteral("Open the maker's web site"));
    QCOMPARE(accessible(ui.timeLipse)->text(QAccessible::Name),
             QStringLiteral("Time-lapse interval"));
}

void KeyboardAccessTest::cameraDetailsShowWhatIsKnown() {
    {
        const CameraVolume volume(kFullConfig);
        FakeDesktop desktop;
        const auto program = startProgram(volume.startPath(), desktop);
        const QString details = program->widgets().cameraDetails->text();
        QVERIFY2(details.startsWith(QStringLiteral("Firmware FW001\n")), qPrintable(details));
        QVERIFY2(details.endsWith(QStringLiteral(" free on the card")), qPrintable(details));
    }
    const CameraVolume noFirmware("[1,1,1,1,1,0,0,0,0,0,0,0,0]\n");
    FakeDesktop desktop;
    const auto program = startProgram(noFirmware.startPath(), desktop);
    QVERIFY(!program->widgets().cameraDetails->text().contains(QStringLiteral("Firmware")));
}

void KeyboardAccessTest::aSaveAfterTheCameraWentAwayCreatesNoFile() {
    const CameraVolume volume(kFullConfig);
    FakeDesktop desktop;
    const auto program = startProgram(volume.startPath(), desktop);
    QVERIFY(volume.removeConfig());
    program->MouseClickOnBtnNTSC();
    QVERIFY(!QFile::exists(volume.configPath()));
    QCOMPARE(program->settings().tvType, 1);
}

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
