// The controller's core: its construction, the wiring of every control to its handler, the
// button groups with the one click routine and the one repaint they share, and the card's file
// in step with the window (every save starts from the file as it is on the card, a change
// another program made is loaded and shown, and a save the card refuses is shown as refused,
// with the window back on what the card holds).
#include "tavik_camappdelegate.h"
#include "logging.h"

#include "blackscroller.h"
#include "camerapaths.h"
#include "palette.h"
#include "ui_datetime_page.h"
#include "ui_vantorelle.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace {

bool sameClock(const tagSetting& a, const tagSetting& b) {
    return a.year == b.year && a.month == b.month && a.date == b.date && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

bool isWriteProtection(int error) {
    return error == EROFS || error == EACCES || error == EPERM;
}

bool isNoSpace(int error) {
#ifdef EDQUOT
    if (error == EDQUOT) {
        return true;
    }
#endif
    return error == ENOSPC;
}

// The notice band: under the page menu, or at the foot of the date and time page, which
// covers the menu's place.
constexpr QRect kNoticeUnderMenu(35, 130, 500, 20);
constexpr int kNoticePadding = 12;
constexpr int kNoticeFontPixels = 13;
constexpr int kNoticeSmallestPixels = 9;
constexpr QRect kNoticeOnDatePage(45, 400, 465, 20);

} // namespace

Tavik_CamAppDelegate::Tavik_CamAppDelegate(DesktopServices* services, QObject* parent)
    : QObject(parent), services_(services), window_(std::make_unique<QWidget>()),
      ui_(std::make_unique<Ui::VantorelleWindow>()) {
    if (services_ == nullptr) {
        ownServices_ = std::make_unique<SystemDesktopServices>();
        services_ = ownServices_.get();
    }
    ui_->setupUi(window_.get());
    window_->installEventFilter(this);
}

Tavik_CamAppDelegate::~Tavik_CamAppDelegate() = default;

void Tavik_CamAppDelegate::connectControls() {
    const struct {
        BlackScroller* button;
        void (Tavik_CamAppDelegate::*handler)();
    } clicks[] = {
        {ui_->buttonPhotoUI, &Tavik_CamAppDelegate::MouseClickOnBtnPhotoUI},
        {ui_->buttonVideoUI, &Tavik_CamAppDelegate::MouseClickOnBtnVideoUI},
        {ui_->buttonGeneralUI, &Tavik_CamAppDelegate::MouseClickOnBtnGeneralUI},
        {ui_->buttonTavikWeb, &Tavik_CamAppDelegate::MouseClickOnIconTavikWeb},
        {ui_->buttonTavikFacebook, &Tavik_CamAppDelegate::MouseClickOnIconTavikFacebook},
        {ui_->buttonTavikTwitter, &Tavik_CamAppDelegate::MouseClickOnIconTavikTwitter},
        {ui_->button16MP, &Tavik_CamAppDelegate::MouseClickOnBtn16MP},
        {ui_->button5MP, &Tavik_CamAppDelegate::MouseClickOnBtn5MP},
        {ui_->button3MP, &Tavik_CamAppDelegate::MouseClickOnBtn3MP},
        {ui_->buttonVGA, &Tavik_CamAppDelegate::MouseClickOnBtnVGA},
        {ui_->buttonSingle, &Tavik_CamAppDelegate::MouseClickOnBtnSingle},
        {ui_->buttonBurst, &Tavik_CamAppDelegate::MouseClickOnBtnBurst},
        {ui_->buttonTimeLapse, &Tavik_CamAppDelegate::MouseClickOnBtnTimeLapse},
        {ui_->button1080P, &Tavik_CamAppDelegate::MouseClickOnBtn1080P},
        {ui_->button960P, &Tavik_CamAppDelegate::MouseClickOnBtn960P},
        {ui_->button720P60, &Tavik_CamAppDelegate::MouseClickOnBtn720P60},
        {ui_->button720P30, &Tavik_CamAppDelegate::MouseClickOnBtn720P30},
        {ui_->buttonPAL, &Tavik_CamAppDelegate::MouseClickOnBtnPAL},
        {ui_->buttonNTSC, &Tavik_CamAppDelegate::MouseClickOnBtnNTSC},
        {ui_->button50HZ, &Tavik_CamAppDelegate::MouseClickOnBtn50HZ},
        {ui_->button60HZ, &Tavik_CamAppDelegate::MouseClickOnBtn60HZ},
        {ui_->buttonAuto, &Tavik_CamAppDelegate::MouseClickOnBtnAuto},
        {ui_->buttonAuto1, &Tavik_CamAppDelegate::MouseClickOnBtnAuto1},
        {ui_->buttonAuto3, &Tavik_CamAppDelegate::MouseClickOnBtnAuto3},
        {ui_->buttonAutoOFF, &Tavik_CamAppDelegate::MouseClickOnBtnAutoOFF},
        {ui_->buttonAutoRotOff, &Tavik_CamAppDelegate::MouseClickOnBtnAutoRotationOFF},
        {ui_->buttonAutoRotOn, &Tavik_CamAppDelegate::MouseClickOnBtnAutoRotationON},
        {ui_->buttonAutoDateSet, &Tavik_CamAppDelegate::MouseClickOnBtnDateSet},
        {ui_->buttonAutoResetAll, &Tavik_CamAppDelegate::MouseClickOnBtnReset},
        {ui_->buttonAutoFormatOK, &Tavik_CamAppDelegate::MouseClickOnBtnFormatOK},
        {ui_->buttonCancelFormat, &Tavik_CamAppDelegate::MouseClickOnBtnCancelFormat},
        {ui_->buttonBrowse, &Tavik_CamAppDelegate::MouseClickOnBtnBrowse},
    };
    for (const auto& click : clicks) {
        connect(click.button, &QAbstractButton::clicked, this, click.handler);
    }
    connect(ui_->timeLipse, &QComboBox::activated, this,
            &Tavik_CamAppDelegate::MouseClickOnComboxTimelapse);
}

void Tavik_CamAppDelegate::defineButtonGroups() {
    using S = GroupStyle;
    resolutionGroup_ = {&tagSetting::photoResolution,
                        S::Standard,
                        {{ui_->button16MP, "left.png", "left_on.png"},
                         {ui_->button5MP, "middle.png", "middle_on.png"},
                         {ui_->button3MP, "middle.png", "middle_on.png"},
                         {ui_->buttonVGA, "right.png", "right_on.png"}}};
    modeGroup_ = {&tagSetting::photoMode,
                  S::Standard,
                  {{ui_->buttonSingle, "left.png", "left_on.png"},
                   {ui_->buttonBurst, "middle.png", "middle_on.png"},
                   {ui_->buttonTimeLapse, "right.png", "right_on.png"}}};
    fhdGroup_ = {&tagSetting::FHDResolution,
                 S::Standard,
                 {{ui_->button1080P, "left.png", "left_on.png"},
                  {ui_->button960P, "right.png", "right_on.png"}}};
    hdGroup_ = {&tagSetting::HDResolution,
                S::Standard,
                {{ui_->button720P60, "left.png", "left_on.png"},
                 {ui_->button720P30, "right.png", "right_on.png"}}};
    tvTypeGroup_ = {&tagSetting::tvType,
                    S::Standard,
                    {{ui_->buttonPAL, "left.png", "left_on.png"},
                     {ui_->buttonNTSC, "right.png", "right_on.png"}}};
    frequencyGroup_ = {&tagSetting::tvFre,
                       S::Standard,
                       {{ui_->button50HZ, "left.png", "left_on.png"},
                        {ui_->button60HZ, "right.png", "right_on.png"},
                        {ui_->buttonAuto, "single.png", "single_on.png"}}};
    // Codes 1 and 2 are the two delays, 3 is off; on screen off comes first.
    autoPowerGroup_ = {&tagSetting::autoOffTime,
                       S::AllNormalFirst,
                       {{ui_->buttonAuto1, "middle.png", "middle_on.png"},
                        {ui_->buttonAuto3, "right.png", "right_on.png"},
                        {ui_->buttonAutoOFF, "left.png", "left_on.png"}}};

    // What each group sets, for assistive technology: "TV system NTSC", checked or not.
    const struct {
        const ButtonGroup* group;
        QString caption;
    } captions[] = {
        {&resolutionGroup_, tr("Photo resolution")},
        {&modeGroup_, tr("Capture mode")},
        {&fhdGroup_, tr("Full HD video")},
        {&hdGroup_, tr("HD video")},
        {&tvTypeGroup_, tr("TV system")},
        {&frequencyGroup_, tr("Light frequency")},
        {&autoPowerGroup_, tr("Auto power-off")},
    };
    for (const auto& entry : captions) {
        for (const GroupButton& member : entry.group->buttons) {
            member.button->setAccessibleCaption(entry.caption);
            member.button->setCheckable(true);
        }
    }
    for (BlackScroller* half : {ui_->buttonAutoRotOff, ui_->buttonAutoRotOn}) {
        half->setAccessibleCaption(tr("Auto rotation"));
        half->setCheckable(true);
    }
    ui_->timeLipse->setAccessibleName(tr("Time-lapse interval"));
}

// Marks the button whose place in the group is the stored value. The others lose their
// selection and show their normal picture. While the pointer is on the selected button its
// picture is left to the pointer (it shows the selected picture once the pointer leaves);
// on the initial paint, or when the choice came from the keyboard, it shows it at once.
// A value that is no place in the group selects no button.
void Tavik_CamAppDelegate::repaintGroup(const ButtonGroup& group, const tagSetting& setting) {
    const int32_t value = setting.*group.field;
    const auto count = static_cast<int32_t>(group.buttons.size());
    const int32_t selected = value >= 1 && value <= count ? value - 1 : -1;
    for (int32_t i = 0; i < count; ++i) {
        const GroupButton& entry = group.buttons[static_cast<std::size_t>(i)];
        if (i != selected) {
            entry.button->removeSelected();
        }
        if (i != selected || group.style == GroupStyle::AllNormalFirst) {
            entry.button->setImageName(QString::fromLatin1(entry.normalImage));
            entry.button->setMyButtonTitleColor(BlackScroller::greyTitleColor());
        }
    }
    if (selected < 0) {
        return;
    }
    const GroupButton& chosen = group.buttons[static_cast<std::size_t>(selected)];
    chosen.button->setSelected();
    if (setting.isInit == 1) {
        chosen.button->setImageName(QString::fromLatin1(chosen.selectedImage));
        chosen.button->setMyButtonTitleColor(BlackScroller::selectedTitleColor());
    } else if (!chosen.button->isHovered()) {
        chosen.button->setImageName(QString::fromLatin1(chosen.selectedImage));
    }
}

void Tavik_CamAppDelegate::chooseValue(SettingKey key, int32_t code, Repaint repaint) {
    const int32_t kind = settingKeyInfo(key).lineKind;
    saveLines(
        [&](tagSetting& setting) {
            return CameraEdit{.kinds = chooseSetting(setting, key, code) == ChoiceResult::Changed
                                           ? std::vector<int32_t>{kind}
                                           : std::vector<int32_t>{}};
        },
        [&] { (this->*repaint)(&settingValue); });
}

void Tavik_CamAppDelegate::onLook(const CardLook& look) {
    // Once the program ends there is nothing to follow, and its last warning stays open.
    if (ending_) {
        return;
    }
    if (look.state == CardLook::Gone) {
        // Watching a folder that is going away only slows the end of the program.
        if (!volumeWatcher_.directories().isEmpty()) {
            volumeWatcher_.removePaths(volumeWatcher_.directories());
        }
        // A window the user has already closed ended by the user's hand.
        if (window_->isVisible()) {
            cameraGone_ = true;
        }
        // An alert open on the camera that went away answers nothing any more.
        if (alertsOpen_ > 0) {
            services_->closeAlert();
        }
        window_->close();
    } else if (camera_->follow(look)) {
        showCard();
    }
}

void Tavik_CamAppDelegate::showCard() {
    const bool clockChanged = !sameClock(settingValue, camera_->setting());
    settingValue = camera_->setting();
    showStoredSettings(clockChanged);
}

void Tavik_CamAppDelegate::showStoredSettings(bool withClock) {
    settingValue.isInit = 1;
    paintGroups(&settingValue);
    showPhotoMode();
    if (withClock) {
        showStoredClock();
    }
    showFormatRequest();
}

int32_t Tavik_CamAppDelegate::saveLines(const Edit& edit, const std::function<void()>& onSaved) {
    const SaveResult result = camera_->change(edit);
    if (result.reloaded) {
        showCard();
    }
    QString cause;
    switch (result.outcome) {
    case SaveOutcome::Unchanged:
        return 0;
    case SaveOutcome::Saved:
        settingValue = camera_->setting();
        if (onSaved) {
            onSaved();
        }
        showFormatRequest();
        ui_->saveNotice->hide();
        // Reset all stores what the file has lines for; the groups of the others show that.
        if (!result.missing.empty()) {
            showNotice(tr("The card's settings file has no line for some of these settings, "
                          "so they were not changed."));
        }
        return 0;
    case SaveOutcome::MissingLine:
        cause = tr("The card's settings file has no line for this setting.");
        break;
    case SaveOutcome::Changing:
        cause = tr("Another program is changing the settings on the card.");
        break;
    case SaveOutcome::Unreadable:
    case SaveOutcome::Refused: // the window offers no choice the rules refuse
        cause = tr("The settings on the card could not be read.");
        break;
    case SaveOutcome::WriteFailed:
        cause = isWriteProtection(result.error) ? tr("The card is write-protected.")
                : isNoSpace(result.error)       ? tr("The card is full.")
                                                : tr("The card could not be written.");
        break;
    }
    // Without a file ever loaded the window keeps its defaults: there is nothing else to show.
    if (camera_->loaded()) {
        showCard();
    }
    showNotice(cause + QLatin1Char(' ') + tr("The change was not saved."));
    qCWarning(lcApp, "A change was not saved to %s: %s", configfile_path.c_str(),
              result.outcome == SaveOutcome::WriteFailed ? std::strerror(result.error)
                                                         : qPrintable(cause));
    return -1;
}

void Tavik_CamAppDelegate::showNotice(const QString& text) {
    ui_->saveNotice->setText(text);
    placeSaveNotice();
    // The band holds one line: a text that is longer (in a longer language) is set smaller,
    // down to a size still easy to read, so that nothing of it is cut off.
    QFont font = ui_->saveNotice->font();
    font.setWeight(QFont::DemiBold);
    const int room = ui_->saveNotice->width() - 2 * kNoticePadding;
    int size = kNoticeFontPixels;
    for (; size > kNoticeSmallestPixels; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) {
            break;
        }
    }
    ui_->saveNotice->setStyleSheet(noticeStyle_.arg(size));
    // Still too long: two lines, the band grown to hold them.
    const bool wrap = size == kNoticeSmallestPixels;
    ui_->saveNotice->setWordWrap(wrap);
    if (wrap) {
        QRect band = ui_->saveNotice->geometry();
        band.setHeight(std::max(band.height(), ui_->saveNotice->heightForWidth(band.width())));
        ui_->saveNotice->setGeometry(band);
    }
    ui_->saveNotice->show();
}

void Tavik_CamAppDelegate::setUpSaveNotice() {
    // Amber with dark text, so that it reads as a warning against the charcoal window without
    // looking like one of the teal controls.
    ui_->saveNotice->setAttribute(Qt::WA_StyledBackground);
    QColor band = palette::kAmber;
    band.setAlpha(230);
    noticeStyle_ = QStringLiteral("#saveNotice { background-color: %1; color: %2;"
                                  " border-radius: 5px; padding: 0px %3px; font-weight: 600;"
                                  " font-size: %4px; }")
                       .arg(palette::css(band), palette::css(palette::kWindow))
                       .arg(kNoticePadding)
                       .arg(QStringLiteral("%1"));
    ui_->saveNotice->setStyleSheet(noticeStyle_.arg(kNoticeFontPixels));
    ui_->saveNotice->setAccessibleName(tr("Save failed"));
    ui_->saveNotice->hide();
}

void Tavik_CamAppDelegate::placeSaveNotice() {
    ui_->saveNotice->setGeometry(onDatePage() ? kNoticeOnDatePage : kNoticeUnderMenu);
    ui_->saveNotice->raise();
}
