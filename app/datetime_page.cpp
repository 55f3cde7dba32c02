// Date and time page: the camera clock, set by hand or from the computer's clock.
#include "palette.h"
#include "tavik_camappdelegate.h"
#include "ui_datetime_page.h"
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

Ui::DateTimePage& Tavik_CamAppDelegate::datePage() {
    if (dateUi_ == nullptr) {
        // Made hidden, as a child of a window already built; the page switch shows it.
        dateSetView_ = new QWidget(superView);
        dateUi_ = std::make_unique<Ui::DateTimePage>();
        dateUi_->setupUi(dateSetView_);
        setUpDateTimePage();
    }
    return *dateUi_;
}

void Tavik_CamAppDelegate::setUpDateTimePage() {
    Ui::DateTimePage& page = *dateUi_;
    // The page covers the header's lower part: it sits on a panel of its own.
    dateSetView_->setAttribute(Qt::WA_StyledBackground);
    dateSetView_->setStyleSheet(
        QStringLiteral("#dateSetView { background-color: %1; border: 1px solid %2;"
                       " border-radius: 10px; }")
            .arg(palette::css(palette::kPanel), palette::css(palette::kPanelBorder)));
    // The page's title reads in the bright text of titles, not the quiet grey of captions.
    page.labelDateTitle->setStyleSheet(
        QStringLiteral("color: %1;").arg(palette::css(palette::kText)));
    // Day names of one letter fit every language; weekends in a muted tone, not alarm red.
    page.calender->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    QTextCharFormat weekend = page.calender->weekdayTextFormat(Qt::Saturday);
    weekend.setForeground(palette::kWeekend);
    page.calender->setWeekdayTextFormat(Qt::Saturday, weekend);
    page.calender->setWeekdayTextFormat(Qt::Sunday, weekend);
    // The days take the keyboard's focus; a teal outline shows it, as on every other control.
    page.calender->setStyleSheet(
        QStringLiteral(
            "#qt_calendar_calendarview { border: 2px solid transparent; border-radius: 4px; }"
            "#qt_calendar_calendarview:focus { border-color: %1; }")
            .arg(palette::css(palette::kTealTitle)));
    // The language's own short date, with the year in full: two digits would not say which
    // century the camera's years belong to.
    QString dateFormat = page.date->locale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy"))) {
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    page.date->setDisplayFormat(dateFormat);
    const QDate earliest = limit("2013,1,1,12,1,0").date();
    const QDate latest = limit("2037,12,31,12,1,0").date();
    page.date->setDateRange(earliest, latest);
    page.calender->setDateRange(earliest, latest);
    // Escape leaves the page as Back does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), dateSetView_);
    connect(escape, &QShortcut::activated, this, &Tavik_CamAppDelegate::MouseClickOnBtnBack);
    const struct {
        BlackScroller* button;
        void (Tavik_CamAppDelegate::*handler)();
    } clicks[] = {
        {page.buttonSYNWithPC, &Tavik_CamAppDelegate::MouseClickOnBtnSynWithPC},
        {page.buttonAutoDateOK, &Tavik_CamAppDelegate::MouseClickOnBtnDateSetOK},
        {page.buttonAutoBack, &Tavik_CamAppDelegate::MouseClickOnBtnBack},
    };
    for (const auto& click : clicks) {
        setUpSingleButton(click.button, "single.png", "single_hold.png");
        connect(click.button, &QAbstractButton::clicked, this, click.handler);
    }
    connect(page.calender, &QCalendarWidget::selectionChanged, this,
            &Tavik_CamAppDelegate::MouseClickOnCalender);
    connect(page.date, &QDateEdit::dateChanged, this, &Tavik_CamAppDelegate::MouseClickOnDate);
    connect(page.timePicker, &QTimeEdit::timeChanged, this,
            &Tavik_CamAppDelegate::MouseClickOnTime);
    connect(page.clock, &ClockFace::timeEdited, this, &Tavik_CamAppDelegate::MouseClickOnClock);
    catchUpClock();
}

void Tavik_CamAppDelegate::MouseClickOnCalender() {
    datePage().date->setDate(datePage().calender->selectedDate());
}

// A date or a time the user sets becomes the clock's, from where it runs on; setting the date
// keeps the running time of day.
void Tavik_CamAppDelegate::MouseClickOnDate() {
    Ui::DateTimePage& page = datePage();
    page.calender->setSelectedDate(page.date->date());
    if (!showingClock_) {
        clockOffsetMs_ = wallClock(services_->now())
                             .msecsTo(wallClock(page.date->date(), runningClock().time()));
    }
}

void Tavik_CamAppDelegate::MouseClickOnTime() {
    Ui::DateTimePage& page = datePage();
    page.clock->setTime(page.timePicker->time());
    if (!showingClock_) {
        clockOffsetMs_ = wallClock(services_->now())
                             .msecsTo(wallClock(page.date->date(), page.timePicker->time()));
    }
}

void Tavik_CamAppDelegate::MouseClickOnClock() {
    datePage().timePicker->setTime(datePage().clock->time());
}

// The camera clock is the computer's clock plus an offset, so it neither lags behind when
// ticks come late nor needs the ticks at all while the page is hidden: the pickers are set
// from it when the page is shown and every second while it is (the tick runs only then). Past
// midnight the date moves on with the time; at the pickers' last moment the clock stops.
void Tavik_CamAppDelegate::onTimer() {
    catchUpClock();
}

QDateTime Tavik_CamAppDelegate::runningClock() const {
    return withinClockRange(wallClock(services_->now()).addMSecs(clockOffsetMs_));
}

QDateTime Tavik_CamAppDelegate::shownClock() const {
    const QDateTime now = runningClock();
    return {now.date(), shownTime(now.time())};
}

// The pickers, once the page exists, show the running clock.
void Tavik_CamAppDelegate::catchUpClock() {
    if (dateUi_ == nullptr) {
        return;
    }
    Ui::DateTimePage& page = *dateUi_;
    const QDateTime now = shownClock();
    showingClock_ = true;
    page.timePicker->setTime(now.time());
    page.clock->setTime(now.time());
    if (now.date() != page.date->date() || now.date() != page.calender->selectedDate()) {
        page.date->setDate(now.date());
        page.calender->setSelectedDate(now.date());
    }
    showingClock_ = false;
}

// The clock set to `value`, from where it runs on.
void Tavik_CamAppDelegate::setDatePickers(const QDateTime& value) {
    clockOffsetMs_ = wallClock(services_->now()).msecsTo(withinClockRange(wallClock(value)));
    catchUpClock();
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
    if (dateUi_ == nullptr) {
        return shownClock();
    }
    catchUpClock();
    return {dateUi_->date->date(), dateUi_->timePicker->time()};
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
    datePage().buttonAutoDateOK->setImageName(QStringLiteral("single.png"));
}
