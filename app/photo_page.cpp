// Photo page: resolution, capture mode and the time-lapse interval.
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "blackscroller.h"
#include "frames.h"
#include "pagebuttons.h"

namespace {

// The interval box sits at the bottom right of the photo page, which is 200 high.
constexpr int kPhotoPageHeight = 200;
constexpr int kIntervalYAfterClick = 25;
constexpr int kIntervalYAtStartup = 33;

} // namespace

void Tavik_CamAppDelegate::setUpPhotoPage() {
    setUpSegmentButton(ui_->button16MP, BlackScroller::Left);
    setUpSegmentButton(ui_->button5MP, BlackScroller::Middle);
    setUpSegmentButton(ui_->button3MP, BlackScroller::Middle);
    setUpSegmentButton(ui_->buttonVGA, BlackScroller::Right);
    setUpSegmentButton(ui_->buttonSingle, BlackScroller::Left);
    setUpSegmentButton(ui_->buttonBurst, BlackScroller::Middle);
    setUpSegmentButton(ui_->buttonTimeLapse, BlackScroller::Right);
}

void Tavik_CamAppDelegate::changeSelectPRButtonImage(tagSetting* setting) {
    repaintGroup(resolutionGroup_, *setting);
}

void Tavik_CamAppDelegate::changeSelectPMButtonImage(tagSetting* setting) {
    repaintGroup(modeGroup_, *setting);
}

// Greyed out, the three say why.
void Tavik_CamAppDelegate::setThreeResolutionsEnabled(bool enabled) {
    for (BlackScroller* button : {ui_->button16MP, ui_->button3MP, ui_->buttonVGA}) {
        button->setEnabled(enabled);
        button->setToolTip(enabled ? QString() : tr("Burst shoots at 5MP"));
    }
}

// Selects the stored interval in the box; a stored value that is no entry of the list selects
// none.
void Tavik_CamAppDelegate::selectStoredInterval() {
    const int32_t value = settingValue.timeLapseValue;
    ui_->timeLipse->setCurrentIndex(value >= 1 && value <= ui_->timeLipse->count() ? value - 1
                                                                                   : -1);
}

// Shows the interval box on the photo page with the stored interval selected.
void Tavik_CamAppDelegate::attachIntervalBox(int frameY) {
    selectStoredInterval();
    ui_->timeLipse->setGeometry(frameInParent(390, frameY, 75, 26, kPhotoPageHeight));
    ui_->timeLipse->show();
    ui_->labelInterval->show();
}

void Tavik_CamAppDelegate::detachIntervalBox() {
    ui_->timeLipse->hide();
    ui_->labelInterval->hide();
}

// What the stored capture mode allows on the page: burst disables the three resolutions other
// than 5MP, time-lapse shows the interval box with the stored interval.
void Tavik_CamAppDelegate::showPhotoMode() {
    setThreeResolutionsEnabled(settingValue.photoMode != 2);
    if (settingValue.photoMode != 3) {
        detachIntervalBox();
    } else if (ui_->timeLipse->isHidden()) {
        attachIntervalBox(kIntervalYAtStartup);
    } else {
        selectStoredInterval();
    }
}

void Tavik_CamAppDelegate::MouseClickOnBtn16MP() {
    chooseValue(SettingKey::PhotoResolution, 1, &Tavik_CamAppDelegate::changeSelectPRButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn5MP() {
    chooseValue(SettingKey::PhotoResolution, 2, &Tavik_CamAppDelegate::changeSelectPRButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn3MP() {
    chooseValue(SettingKey::PhotoResolution, 3, &Tavik_CamAppDelegate::changeSelectPRButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnVGA() {
    chooseValue(SettingKey::PhotoResolution, 4, &Tavik_CamAppDelegate::changeSelectPRButtonImage);
}

// Leaving time-lapse takes the interval box off the page; burst disables the three
// resolutions other than 5MP, which the choice sets; time-lapse shows the box.
void Tavik_CamAppDelegate::chooseMode(int32_t code) {
    int32_t before = 0;
    saveLines(
        [&](tagSetting& setting) {
            before = setting.photoMode;
            return CameraEdit{.kinds = chooseSetting(setting, SettingKey::PhotoMode, code) ==
                                               ChoiceResult::Changed
                                           ? std::vector<int32_t>{kPhotoLine}
                                           : std::vector<int32_t>{}};
        },
        [&] {
            if (before == 3) {
                detachIntervalBox();
            }
            setThreeResolutionsEnabled(code != 2);
            if (code == 2) {
                ui_->button5MP->setImageName(QStringLiteral("middle_on.png"));
                changeSelectPRButtonImage(&settingValue);
            }
            changeSelectPMButtonImage(&settingValue);
            if (code == 3) {
                attachIntervalBox(kIntervalYAfterClick);
            }
        });
}

void Tavik_CamAppDelegate::MouseClickOnBtnSingle() {
    chooseMode(1);
}

void Tavik_CamAppDelegate::MouseClickOnBtnBurst() {
    chooseMode(2);
}

void Tavik_CamAppDelegate::MouseClickOnBtnTimeLapse() {
    chooseMode(3);
}

void Tavik_CamAppDelegate::MouseClickOnComboxTimelapse() {
    // The pick is taken first: a file another program changed is shown again before it.
    const int index = ui_->timeLipse->currentIndex();
    // Any pick is saved, the same interval again too; no pick (-1) keeps the stored one.
    saveLines(
        [index](tagSetting& setting) {
            chooseSetting(setting, SettingKey::PhotoInterval, index + 1);
            return CameraEdit{.kinds = {kPhotoLine}};
        },
        [this] { selectStoredInterval(); });
}
