// Date and time page: the camera clock, set by hand or from the computer's clock.
#include "tavik_camappdelegate.h"

#include "blackscroller.h"
#include "pagebuttons.h"

#include <QTextCharFormat>

namespace {

constexpr int kSyncIntervalMs = 60 * 1000;

QDateTime limit(const char* text) {
    return QDateTime::fromString(QString::fromLatin1(text), QStringLiteral("yyyy,M,d,H,m,s"));
}

} // namespace

void Tavik_CamAppDelegate::setUpDateTimePage() {
    // The page covers the header's lower part: it sits on a panel of its own.
    ui.dateSetView->setAttribute(Qt::WA_StyledBackground);
    ui.dateSetView->setStyleSheet(QStringLiteral(
        "#dateSetView { background-color: rgb(32, 36, 42); border: 1px solid rgb(56, 62, 70);"
        " border-radius: 10px; }"));
    // Day names of one letter fit every language; weekends in a muted tone, not alarm red.
    ui.calender->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    QTextCharFormat weekend = ui.calender->weekdayTextFormat(Qt::Saturday);
    weekend.setForeground(QColor(214, 138, 128));
    ui.calender->setWeekdayTextFormat(Qt::Saturday, weekend);
    ui.calender->setWeekdayTextFormat(Qt::Sunday, weekend);
    setUpSingleButton(ui.buttonAutoDateSet, "single.png", "single_hold.png");
    setUpSingleButton(ui.buttonAutoBack, "single.png", "single_hold.png");
    setUpSingleButton(ui.buttonSYNWithPC, "single.png", "single_hold.png");
    setUpSingleButton(ui.buttonAutoDateOK, "single.png", "single_hold.png");
}

void Tavik_CamAppDelegate::limitDatePickers() {
    const QDate earliest = limit("2013,1,1,12,1,0").date();
    const QDate latest = limit("2037,12,31,12,1,0").date();
    ui.date->setDateRange(earliest, latest);
    ui.calender->setDateRange(earliest, latest);
}

void Tavik_CamAppDelegate::MouseClickOnCalender() {
    ui.date->setDate(ui.calender->selectedDate());
}

void Tavik_CamAppDelegate::MouseClickOnDate() {
    ui.calender->setSelectedDate(ui.date->date());
}

void Tavik_CamAppDelegate::MouseClickOnTime() {
    ui.clock->setTime(ui.timePicker->time());
}

void Tavik_CamAppDelegate::MouseClickOnClock() {
    ui.timePicker->setTime(ui.clock->time());
}

// The clock runs on as a date and time: past midnight the date pickers show the next day, so
// the date stored with the time is never a day behind.
void Tavik_CamAppDelegate::onTimer() {
    const QTime now = ui.timePicker->time();
    const QTime next = now.addSecs(1);
    ui.timePicker->setTime(next);
    ui.clock->setTime(next);
    if (next < now) {
        const QDate tomorrow = ui.date->date().addDays(1);
        ui.date->setDate(tomorrow);
        ui.calender->setSelectedDate(ui.date->date());
    }
}

QDateTime Tavik_CamAppDelegate::pickerDateTime() const {
    return {ui.date->date(), ui.timePicker->time()};
}

void Tavik_CamAppDelegate::storePickersAndSave() {
    const QDateTime value = pickerDateTime();
    settingValue.hour = value.time().hour();
    settingValue.minute = value.time().minute();
    settingValue.second = value.time().second();
    settingValue.year = value.date().year();
    settingValue.month = value.date().month();
    settingValue.date = value.date().day();
    saveLines({kGeneralLine});
}

// Takes the computer's date and time, stores it at once and then every minute while the
// program runs. A second Sync restarts the one timer.
void Tavik_CamAppDelegate::MouseClickOnBtnSynWithPC() {
    setDatePickers(services_->now());
    storePickersAndSave();
    if (timer == nullptr) {
        timer = std::make_unique<QTimer>();
        connect(timer.get(), &QTimer::timeout, this, &Tavik_CamAppDelegate::updateTime);
    }
    timer->start(kSyncIntervalMs);
}

void Tavik_CamAppDelegate::updateTime() {
    storePickersAndSave();
}

void Tavik_CamAppDelegate::MouseClickOnBtnDateSetOK() {
    ui.setBarView->show();
    returnToGeneralPage();
    storePickersAndSave();
    ui.buttonAutoDateSet->setImageName(QStringLiteral("single.png"));
    ui.buttonAutoDateOK->setImageName(QStringLiteral("single.png"));
}
