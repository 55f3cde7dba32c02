// Shared pieces of the window tests: a camera volume in a scratch folder, a desktop whose
// alerts, opened addresses and clock the test controls, a started controller, and what the
// window shows and the card holds, each as one line of text that a test compares.
#pragma once

#include "camera_volume.h"
#include "desktopservices.h"
#include "tavik_camappdelegate.h"

#include <QList>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

class BlackScroller;

// Answers alerts from a queue (the default button when it runs dry) and records everything.
// `duringAlert`, when set, runs while an alert is open (the camera going away under it).
class FakeDesktop : public DesktopServices {
  public:
    int runAlert(QWidget* parent, const AlertRequest& alert) override;
    void closeAlert() override { closed = true; }
    bool openUrl(const QUrl& url) override {
        opened.append(url);
        return opens;
    }
    QDateTime now() override { return clock; }

    std::deque<int> answers;
    QList<AlertRequest> alerts;
    QList<QUrl> opened;
    bool opens = true; // false: nothing on the computer opens what is handed over
    QDateTime clock{QDate(2024, 3, 9), QTime(14, 5, 30)};
    std::function<void()> duringAlert;
    bool closed = false; // the program closed the alert that was open
};

// A controller started on `startPath` with `desktop`; null when start-up reported no camera.
std::unique_ptr<Tavik_CamAppDelegate> startProgram(const std::string& startPath,
                                                   FakeDesktop& desktop);

// The window's widget of that object name, or null.
template <class T> T* widget(const Tavik_CamAppDelegate& program, const char* name) {
    return program.window()->findChild<T*>(QLatin1String(name));
}

// Pointer entering and leaving a widget, as real enter and leave events.
void hover(QWidget* widget);
void leave(QWidget* widget);
// A left click in the middle of a button, pointer entering before and leaving after.
void clickButton(BlackScroller* button);
// The same on the window's button of that object name; false when there is none.
bool click(const Tavik_CamAppDelegate& program, const QString& name);

// One step of a test: a button's object name without "button" ("3MP") is clicked, with "!"
// ("AutoBack!") without the pointer leaving it, as when its page goes away under it; besides,
//   "cancel"      the next alert is answered with its alternate button
//   "+N"          the computer's clock moves on N seconds
//   "tick"        the page clock's one-second tick
//   "wait"        a third of a second passes: the presence watch looks at the card
//   "back"        Back while the menu bar is shown (as Escape does)
//   "down"        Down in the time-lapse interval box
//   "pageup"      Page Up on the clock face
//   "date=", "time=", "calendar="  the user sets that picker
//   "file="       another program writes these bytes to the card
bool runStep(Tavik_CamAppDelegate& program, FakeDesktop& desktop, const CameraVolume& volume,
             const QString& step);

// The page on screen (photoView, videoView, generalView, dateSetView), several joined by "+",
// then "format-request" and "cancel-format" for the format request's notice and its button, and
// "notice" while the notice of a change not saved is shown. A
// menu entry marked wrongly for the page, or the menu bar shown on the Date and Time page or
// hidden elsewhere, is added with a "!".
QString visiblePage(const Tavik_CamAppDelegate& program);

// The settings as the window shows them: the chosen button of each of the eight groups ("-"
// for none), "@n" with the time-lapse interval entry when its box is on the photo page, and the
// date and time pickers ("!pickers" when the calendar or the clock face disagrees). A button is
// marked "!" when its picture, its title colour or what assistive technology hears ("TV system
// NTSC", checked or not) disagrees with its selection, and "~" when disabled. Example:
// "16MP Single 1080P 720P60 PAL 50HZ Auto1 RotOff 2013-12-25 18:30:05".
QString shownSettings(const Tavik_CamAppDelegate& program);
// The settings the card's file holds, in the same form (read by the settings library).
QString storedSettings(const CameraVolume& volume);
