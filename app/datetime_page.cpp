// Date and time page: the camera clock, set by hand or from the computer's clock.
#include "tavik_camappdelegate.h"

#include "blackscroller.h"
#include "pagebuttons.h"

#include <QPainter>
#include <QShortcut>
#include <QTextCharFormat>
#include <QToolButton>

namespace {

constexpr int kSyncIntervalMs = 60 * 1000;

// The calendar's month arrows: a plain chevron in the colour of the month's name beside it,
// drawn at each size a button may ask for so that it stays sharp at any scale.
QIcon monthArrow(bool forward, const QColor& color) {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(color, side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal tip = forward ? 0.64 : 0.36;
        const qreal back = forward ? 0.40 : 0.60;
        const QPointF arm[] = {
            {back * side, 0.24 * side}, {tip * side, 0.50 * side}, {back * side, 0.76 * side}};
        painter.drawPolyline(arm, 3);
        icon.addPixmap(pixmap);
    }
    return icon;
}

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
    const QColor arrowColor = ui.calender->palette().color(QPalette::HighlightedText);
    for (auto* arrow : ui.calender->findChildren<QToolButton*>()) {
        if (arrow->objectName() == QLatin1String("qt_calendar_prevmonth")) {
            arrow->setIcon(monthArrow(false, arrowColor));
        } else if (arrow->objectName() == QLatin1String("qt_calendar_nextmonth")) {
            arrow->setIcon(monthArrow(true, arrowColor));
        }
    }
    // The days take the keyboard's focus; a teal outline shows it, as on every other control.
    ui.calender->setStyleSheet(QStringLiteral(
        "#qt_calendar_calendarview { border: 2px solid transparent; border-radius: 4px; }"
        "#qt_calendar_calendarview:focus { border-color: rgba(43, 161, 182, 204); }"));
    // The language's own short date, with the year in full: two digits would not say which
    // century the camera's years belong to.
    QString dateFormat = ui.date->locale().dateFormat(QLocale::ShortFormat);
    if (!dateFormat.contains(QLatin1String("yyyy"))) {
        dateFormat.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    }
    ui.date->setDisplayFormat(dateFormat);
    // Escape leaves the page as Back does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), ui.dateSetView);
    connect(escape, &QShortcut::activated, this, &Tavik_CamAppDelegate::MouseClickOnBtnBack);
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
// the date stored with the time is never a day behind. While the page is not shown the pickers
// are left alone and only count the seconds they are behind; they catch up before anyone
// looks at them or reads them, which spares a hidden page a repaint every second.
void Tavik_CamAppDelegate::onTimer() {
    ++clockBehind_;
    if (curView == ui.dateSetView) {
        catchUpClock();
    }
}

void Tavik_CamAppDelegate::catchUpClock() {
    if (clockBehind_ == 0) {
        return;
    }
    // Wall-clock arithmetic: the camera's clock knows no time zones or daylight saving.
    const QDateTime shown(ui.date->date(), ui.timePicker->time(), Qt::UTC);
    const QDateTime next = shown.addSecs(clockBehind_);
    clockBehind_ = 0;
    ui.timePicker->setTime(next.time());
    ui.clock->setTime(next.time());
    if (next.date() != shown.date()) {
        ui.date->setDate(next.date());
        ui.calender->setSelectedDate(ui.date->date());
    }
}

QDateTime Tavik_CamAppDelegate::pickerDateTime() {
    catchUpClock();
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
