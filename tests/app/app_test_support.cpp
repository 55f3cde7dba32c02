#include "app_test_support.h"

#include "action_config.h"
#include "blackscroller.h"
#include "camerapaths.h"
#include "clockface.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QTest>
#include <QTimeEdit>

namespace {

// The eight groups: the field of the record, what assistive technology hears before a button's
// title, and the buttons in the order of their codes.
struct Group {
    int32_t tagSetting::*field;
    const char* caption;
    std::initializer_list<const char*> buttons;
};
const Group kGroups[] = {
    {&tagSetting::photoResolution, "Photo resolution", {"16MP", "5MP", "3MP", "VGA"}},
    {&tagSetting::photoMode, "Capture mode", {"Single", "Burst", "TimeLapse"}},
    {&tagSetting::FHDResolution, "Full HD video", {"1080P", "960P"}},
    {&tagSetting::HDResolution, "HD video", {"720P60", "720P30"}},
    {&tagSetting::tvType, "TV system", {"PAL", "NTSC"}},
    {&tagSetting::tvFre, "Light frequency", {"50HZ", "60HZ", "Auto"}},
    {&tagSetting::autoOffTime, "Auto power-off", {"Auto1", "Auto3", "AutoOFF"}},
    {&tagSetting::autoRot, "Auto rotation", {"AutoRotOff", "AutoRotOn"}},
};

} // namespace

int FakeDesktop::runAlert(QWidget*, const AlertRequest& alert) {
    alerts.append(alert);
    closed = false;
    if (duringAlert) {
        duringAlert();
    }
    if (closed) {
        return kClosed;
    }
    if (answers.empty()) {
        return kDefaultButton;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::unique_ptr<Tavik_CamAppDelegate> startProgram(const std::string& startPath,
                                                   FakeDesktop& desktop) {
    open_path = startPath;
    configfile_path.clear();
    auto program = std::make_unique<Tavik_CamAppDelegate>(&desktop);
    if (!program->applicationDidFinishLaunching()) {
        return nullptr;
    }
    return program;
}

void hover(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    QEnterEvent event(centre, widget->mapTo(widget->window(), centre), widget->mapToGlobal(centre));
    QCoreApplication::sendEvent(widget, &event);
}

void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void clickButton(BlackScroller* button) {
    hover(button);
    QTest::mouseClick(button, Qt::LeftButton);
    leave(button);
}

bool click(const Tavik_CamAppDelegate& program, const QString& name) {
    auto* button = program.window()->findChild<BlackScroller*>(name);
    if (button == nullptr) {
        return false;
    }
    clickButton(button);
    return true;
}

bool runStep(Tavik_CamAppDelegate& program, FakeDesktop& desktop, const CameraVolume& volume,
             const QString& step) {
    const QString value = step.section(QLatin1Char('='), 1);
    if (step == QLatin1String("cancel")) {
        desktop.answers.push_back(DesktopServices::kAlternateButton);
    } else if (step.startsWith(QLatin1Char('+'))) {
        desktop.clock = desktop.clock.addSecs(step.mid(1).toInt());
    } else if (step == QLatin1String("tick")) {
        program.onTimer();
    } else if (step == QLatin1String("wait")) {
        QTest::qWait(350);
    } else if (step == QLatin1String("back")) {
        program.MouseClickOnBtnBack();
    } else if (step == QLatin1String("down")) {
        auto* box = widget<QComboBox>(program, "timeLipse");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
    } else if (step == QLatin1String("pageup")) {
        auto* clock = widget<ClockFace>(program, "clock");
        clock->setFocus();
        QTest::keyClick(clock, Qt::Key_PageUp);
    } else if (step.startsWith(QLatin1String("date="))) {
        widget<QDateEdit>(program, "date")->setDate(QDate::fromString(value, Qt::ISODate));
    } else if (step.startsWith(QLatin1String("time="))) {
        widget<QTimeEdit>(program, "timePicker")->setTime(QTime::fromString(value, Qt::ISODate));
    } else if (step.startsWith(QLatin1String("calendar="))) {
        widget<QCalendarWidget>(program, "calender")
            ->setSelectedDate(QDate::fromString(value, Qt::ISODate));
    } else if (step.startsWith(QLatin1String("file="))) {
        volume.setConfig(value.toLatin1());
    } else if (step.endsWith(QLatin1Char('!'))) {
        auto* button = widget<BlackScroller>(program, qPrintable("button" + step.chopped(1)));
        hover(button);
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        return click(program, QStringLiteral("button") + step);
    }
    return true;
}

QString visiblePage(const Tavik_CamAppDelegate& program) {
    QStringList shown;
    const struct {
        const char* page;
        const char* menu; // the menu's entry marked while the page is shown
    } pages[] = {{"photoView", "buttonPhotoUI"},
                 {"videoView", "buttonVideoUI"},
                 {"generalView", "buttonGeneralUI"},
                 {"dateSetView", "buttonGeneralUI"}};
    for (const auto& p : pages) {
        const auto* page = widget<QWidget>(program, p.page); // the date page: made when shown
        if (page == nullptr || !page->isVisible()) {
            continue;
        }
        shown << QLatin1String(p.page);
        for (const char* menu : {"buttonPhotoUI", "buttonVideoUI", "buttonGeneralUI"}) {
            const auto* b = widget<BlackScroller>(program, menu);
            const bool marked = qstrcmp(menu, p.menu) == 0;
            if (b->imageName().endsWith(QLatin1String("_on.png")) != marked ||
                b->titleColor() != (marked ? BlackScroller::selectedTitleColor()
                                           : BlackScroller::greyTitleColor())) {
                shown << QStringLiteral("!") + QLatin1String(menu);
            }
        }
    }
    // The menu bar is hidden on the Date and Time page only.
    if (widget<QWidget>(program, "setBarView")->isVisible() == shown.contains("dateSetView")) {
        shown << QStringLiteral("!setBarView");
    }
    for (const auto& [name, word] : {std::pair{"formatRequestNotice", "format-request"},
                                     {"buttonCancelFormat", "cancel-format"},
                                     {"saveNotice", "notice"}}) {
        if (widget<QWidget>(program, name)->isVisible()) {
            shown << QLatin1String(word);
        }
    }
    return shown.join(QLatin1Char('+'));
}

QString shownSettings(const Tavik_CamAppDelegate& program) {
    QStringList parts;
    for (const Group& group : kGroups) {
        QStringList chosen;
        QString marks;
        for (const char* name : group.buttons) {
            const QString objectName = QStringLiteral("button") + QLatin1String(name);
            auto* b = program.window()->findChild<BlackScroller*>(objectName);
            QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(b);
            const bool heardRight = heard->state().checked == b->ifSelect() &&
                                    heard->text(QAccessible::Name) ==
                                        QLatin1String(group.caption) + QLatin1Char(' ') + b->text();
            const bool looksChosen = b->imageName().contains(QLatin1String("_on"));
            const bool titleChosen = b->titleColor() == BlackScroller::selectedTitleColor();
            const bool greyTitle = b->titleColor() == BlackScroller::greyTitleColor();
            const QString mark =
                QLatin1String(!b->isEnabled() ? "~" : "") +
                QLatin1String(b->ifSelect() != looksChosen || b->ifSelect() != titleChosen ||
                                      b->ifSelect() == greyTitle || !heardRight
                                  ? "!"
                                  : "");
            if (b->ifSelect()) {
                chosen << mark + QLatin1String(name);
            } else if (!mark.isEmpty()) {
                marks += QLatin1Char(' ') + mark + QLatin1String(name);
            }
        }
        parts << (chosen.isEmpty() ? QStringLiteral("-") : chosen.join(QLatin1Char('+'))) + marks;
    }
    const auto* interval = widget<QComboBox>(program, "timeLipse");
    if (interval->isVisibleTo(widget<QWidget>(program, "photoView"))) {
        parts << QStringLiteral("@%1").arg(interval->currentIndex() + 1);
    }
    // The date and time page is made when first shown; until then, the clock it would show.
    const auto* date = widget<QDateEdit>(program, "date");
    const QDateTime clock =
        date == nullptr ? program.shownClock()
                        : QDateTime(date->date(), widget<QTimeEdit>(program, "timePicker")->time());
    parts << clock.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // Each pair of pickers agrees.
    if (date != nullptr &&
        (widget<QCalendarWidget>(program, "calender")->selectedDate() != clock.date() ||
         widget<ClockFace>(program, "clock")->time() != clock.time())) {
        parts << QStringLiteral("!pickers");
    }
    return parts.join(QLatin1Char(' '));
}

QString storedSettings(const CameraVolume& volume) {
    ConfigLineArray lines;
    int32_t count = 0;
    tagSetting s{};
    if (readAllConfig(lines, count, systemPath(volume.configPath())) != 0) {
        return QStringLiteral("<not loaded>");
    }
    getConfig(lines, count, s);
    QStringList parts;
    for (const Group& group : kGroups) {
        const int32_t code = s.*group.field;
        parts << (code >= 1 && code <= int32_t(group.buttons.size())
                      ? QLatin1String(group.buttons.begin()[code - 1])
                      : QStringLiteral("-"));
    }
    if (s.photoMode == 3) {
        parts << QStringLiteral("@%1").arg(s.timeLapseValue);
    }
    parts << QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", s.year, s.month, s.date, s.hour,
                               s.minute, s.second);
    return parts.join(QLatin1Char(' '));
}
