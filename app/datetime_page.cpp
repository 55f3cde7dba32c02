// Date and time page: the camera clock, set by hand or from the computer's clock.
#include "palette.h"
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "blackscroller.h"
#include "pagebuttons.h"

#include <QShortcut>
#include <QTextCharFormat>

#include <algorithm>

namespace {

constexpr int kSyncIntervalMs = 60 * 1000;

QDateTime limit(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy,M,d,H,m,s"));
}

// Date and time as wall-clock figures: the camera's clock knows no time zones or daylight
// saving, so its arithmetic is done in UTC on the figures the computer shows.
QDateTime wallClock(const QDate& date, const QTime& time) {
    return {date, time, Qt::UTC};
}

QDateTime wallClock(const QDateTime& local) {
    return wallClock(local.date(), local.time());
}

// The clock runs from the first moment of the pickers' first day to the last moment of their
// last day, and stops there.
QDateTime wallClock(const CameraClock& clock, int milliseconds) {
    return wallClock(QDate(clock.year, clock.month, clock.day),
                     QTime(clock.hour, clock.minute, clock.second, milliseconds));
}

const QDateTime& clockStart() {
    static const QDateTime start = wallClock(kEarliestClock, 0);
    return start;
}

const QDateTime& clockEnd() {
    static const QDateTime end = wallClock(kLatestClock, 999);
    return end;
}

QDateTime withinClockRange(const QDateTime& value) {
    return std::clamp(value, clockStart(), clockEnd());
}

// The pickers show whole seconds.
QTime shownTime(const QTime& time) {
    return {time.hour(), time.minute(), time.second()};
}

} // namespace

void Tavik_CamAppDelegate::setUpDateTimePage() {
    // The page covers the header's lower part: it sits on a panel of its own.
    ui_->dateSetView->setAttribute(Qt::WA_StyledBackground);
    ui_->dateSetView->setStyleSheet(
        QStringLiteral("#dateSetView { background-color: %1; border: 1px solid %2;"
                       " border-radius: 10px; }")
            .arg(palette::css(palette::kPanel), palette::css(palette::kPanelBorder)));
    // The page's title reads in the bright text of titles, not the quiet grey of captions.
    ui_->labelDateTitle->setStyleSheet(
        QStringLiteral("color: %1;").arg(palette::css(palette::kText)));
    // Day names of one letter fit every language; weekends in a muted tone, not alarm red.
    ui_->calender->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    QTextCharFormat weekend = ui_->calender->weekdayTextFormat(Qt::Saturday);
    weekend.setForeground(palette::kWeekend);
    ui_->calender->setWeekdayTextFormat(Qt::Saturday, weekend);
    ui_->calender->setWeekdayTextFormat(Qt::Sunday, weekend);
    // The days take the keyboard's focus; a teal outline shows it, as on every other control.
    ui_->calender->setStyleSheet(
        QStringLiteral(
            "#qt_calendar_calendarview { border: 2px solid transparent; border-radius: 4px; }"
            "#qt_calendar_calendarview:focus { border-color: %1; }")
            .arg(palette::css(palette::kTealTitle)));
    // The language's own short date, with the year in full: two digits would not say which
    // century the camera's years belong to.
    QString dateFormat = ui_->date->locale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy"))) {
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    ui_->date->setDisplayFormat(dateFormat);
    // Escape leaves the page as Back does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), ui_->dateSetView);
    connect(escape, &QShortcut::activated, this, &Tavik_CamAppDelegate::MouseClickOnBtnBack);
    setUpSingleButton(ui_->buttonAutoDateSet, "single.png", "single_hold.png");
    setUpSingleButton(ui_->buttonAutoBack, "single.png", "single_hold.png");
    setUpSingleButton(ui_->buttonSYNWithPC, "single.png", "single_hold.png");
    setUpSingleButton(ui_->buttonAutoDateOK, "single.png", "single_hold.png");
}

void Tavik_CamAppDelegate::limitDatePickers() {
    const QDate earliest = limit("2013,1,1,12,1,0").date();
    const QDate latest = limit("2037,12,31,12,1,0").date();
    ui_->date->setDateRange(earliest, latest);
    ui_->calender->setDateRange(earliest, latest);
}

void Tavik_CamAppDelegate::MouseClickOnCalender() {
    ui_->date->setDate(ui_->calender->selectedDate());
}

// A date or a time the user sets becomes the clock's, from where it runs on; setting the date
// keeps the running time of day.
void Tavik_CamAppDelegate::MouseClickOnDate() {
    ui_->calender->setSelectedDate(ui_->date->date());
    if (!showingClock_) {
        clockOffsetMs_ = wallClock(services_->now())
                             .msecsTo(wallClock(ui_->date->date(), runningClock().time()));
    }
}

void Tavik_CamAppDelegate::MouseClickOnTime() {
    ui_->clock->setTime(ui_->timePicker->time());
    if (!showingClock_) {
        clockOffsetMs_ = wallClock(services_->now())
                             .msecsTo(wallClock(ui_->date->date(), ui_->timePicker->time()));
    }
}

void Tavik_CamAppDelegate::MouseClickOnClock() {
    ui_->timePicker->setTime(ui_->clock->time());
}

// The camera clock is the computer's clock plus an offset, so it neither lags behind when
// ticks come late nor needs the ticks at all while the page is hidden: the pickers are set
// from it when the page is shown and every second while it is (the tick runs only then). Past
// midnight the date moves on with the time; at the pickers' last moment the clock stops.
void Tavik_CamAppDelegate::onTimer() {
    catchUpClock();
}

QDateTime Tavik_CamAppDelegate::runningClock() {
    return withinClockRange(wallClock(services_->now()).addMSecs(clockOffsetMs_));
}

void Tavik_CamAppDelegate::catchUpClock() {
    const QDateTime now = runningClock();
    showingClock_ = true;
    ui_->timePicker->setTime(shownTime(now.time()));
    ui_->clock->setTime(shownTime(now.time()));
    if (now.date() != ui_->date->date()) {
        ui_->date->setDate(now.date());
        ui_->calender->setSelectedDate(ui_->date->date());
    }
    showingClock_ = false;
}

// The clock set to `value`, from where it runs on.
void Tavik_CamAppDelegate::setDatePickers(const QDateTime& value) {
    const QDateTime start = withinClockRange(wallClock(value));
    clockOffsetMs_ = wallClock(services_->now()).msecsTo(start);
    showingClock_ = true;
    ui_->calender->setSelectedDate(start.date());
    ui_->timePicker->setTime(shownTime(start.time()));
    ui_->clock->setTime(shownTime(start.time()));
    ui_->date->setDate(start.date());
    showingClock_ = false;
}

// The clock set to the date and time the record holds.
void Tavik_CamAppDelegate::showStoredClock() {
    const QString text = QStringLiteral("%1,%2,%3,%4,%5,%6")
                             .arg(settingValue.year)
                             .arg(settingValue.month)
                             .arg(settingValue.date)
                             .arg(settingValue.hour)
                             .arg(settingValue.minute)
                             .arg(settingValue.second);
    const QDateTime stored = QDateTime::fromString(text, QStringLiteral("yyyy,M,d,H,m,s"));
    // A record without a valid date (a file without its general line) shows the computer's
    // clock, the natural place to start setting the camera's.
    setDatePickers(stored.isValid() ? stored : services_->now());
}

QDateTime Tavik_CamAppDelegate::pickerDateTime() {
    catchUpClock();
    return {ui_->date->date(), ui_->timePicker->time()};
}

// Stores the clock as the pickers show it. A store the card refuses puts the record and the
// pickers back on what the card holds and ends a running synchronisation, which could only go
// on storing a time the card does not take.
bool Tavik_CamAppDelegate::storePickersAndSave() {
    const QDateTime value = pickerDateTime();
    const CameraClock clock{value.date().year(), value.date().month(),  value.date().day(),
                            value.time().hour(), value.time().minute(), value.time().second()};
    // A clock another program stored is shown when the save finds it; the one stored here is
    // the one the user sees, so it goes on running.
    const qint64 offset = clockOffsetMs_;
    // The pickers hold only what the camera's clock can, so the choice is not refused.
    const int32_t saved = saveLines([&clock](tagSetting& setting) {
        chooseClock(setting, clock);
        return CameraEdit{.kinds = {kGeneralLine}};
    });
    if (saved == 0) {
        if (clockOffsetMs_ != offset) {
            clockOffsetMs_ = offset;
            catchUpClock();
        }
        return true;
    }
    showStoredClock();
    if (timer != nullptr) {
        timer->stop();
    }
    return false;
}

// Takes the computer's date and time, stores it at once and then every minute while the
// program runs. A second Sync restarts the one timer.
void Tavik_CamAppDelegate::MouseClickOnBtnSynWithPC() {
    clockOffsetMs_ = 0;
    catchUpClock();
    if (!storePickersAndSave()) {
        return;
    }
    if (timer == nullptr) {
        timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("clockSyncTimer"));
        connect(timer, &QTimer::timeout, this, &Tavik_CamAppDelegate::updateTime);
    }
    timer->start(kSyncIntervalMs);
}

void Tavik_CamAppDelegate::updateTime() {
    storePickersAndSave();
}

void Tavik_CamAppDelegate::MouseClickOnBtnDateSetOK() {
    ui_->setBarView->show();
    returnToGeneralPage();
    storePickersAndSave();
    ui_->buttonAutoDateSet->setImageName(QStringLiteral("single.png"));
    ui_->buttonAutoDateOK->setImageName(QStringLiteral("single.png"));
}
