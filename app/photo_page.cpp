// Photo page: resolution, capture mode and the time-lapse interval.
#include "tavik_camappdelegate.h"

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
    setUpSegmentButton(ui.button16MP, BlackScroller::Left);
    setUpSegmentButton(ui.button5MP, BlackScroller::Middle);
    setUpSegmentButton(ui.button3MP, BlackScroller::Middle);
    setUpSegmentButton(ui.buttonVGA, BlackScroller::Right);
    setUpSegmentButton(ui.buttonSingle, BlackScroller::Left);
    setUpSegmentButton(ui.buttonBurst, BlackScroller::Middle);
    setUpSegmentButton(ui.buttonTimeLapse, BlackScroller::Right);
}

void Tavik_CamAppDelegate::changeSelectPRButtonImage(tagSetting* setting) {
    repaintGroup(resolutionGroup_, *setting);
}

void Tavik_CamAppDelegate::changeSelectPMButtonImage(tagSetting* setting) {
    repaintGroup(modeGroup_, *setting);
}

// Greyed out, the three say why.
void Tavik_CamAppDelegate::setThreeResolutionsEnabled(bool enabled) {
    for (BlackScroller* button : {ui.button16MP, ui.button3MP, ui.buttonVGA}) {
        button->setEnabled(enabled);
        button->setToolTip(enabled ? QString() : tr("Burst shoots at 5MP"));
    }
}

// Selects the stored interval in the box; a stored value that is no entry of the list selects
// none.
void Tavik_CamAppDelegate::selectStoredInterval() {
    const int32_t value = settingValue.timeLapseValue;
    ui.timeLipse->setCurrentIndex(value >= 1 && value <= ui.timeLipse->count() ? value - 1 : -1);
}

// Shows the interval box on the photo page with the stored interval selected.
void Tavik_CamAppDelegate::attachIntervalBox(int frameY) {
    selectStoredInterval();
    ui.timeLipse->setGeometry(frameInParent(390, frameY, 75, 26, kPhotoPageHeight));
    ui.timeLipse->show();
    ui.labelInterval->show();
}

void Tavik_CamAppDelegate::detachIntervalBox() {
    ui.timeLipse->hide();
    ui.labelInterval->hide();
}

// What the stored capture mode allows on the page: burst disables the three resolutions other
// than 5MP, time-lapse shows the interval box with the stored interval.
void Tavik_CamAppDelegate::showPhotoMode() {
    setThreeResolutionsEnabled(settingValue.photoMode != 2);
    if (settingValue.photoMode != 3) {
        detachIntervalBox();
    } else if (ui.timeLipse->isHidden()) {
        attachIntervalBox(kIntervalYAtStartup);
    } else {
        selectStoredInterval();
    }
}

void Tavik_CamAppDelegate::MouseClickOnBtn16MP() {
    chooseValue(&tagSetting::photoResolution, 1, &Tavik_CamAppDelegate::changeSelectPRButtonImage,
                kPhotoLine);
}

void Tavik_CamAppDelegate::MouseClickOnBtn5MP() {
    chooseValue(&tagSetting::photoResolution, 2, &Tavik_CamAppDelegate::changeSelectPRButtonImage,
                kPhotoLine);
}

void Tavik_CamAppDelegate::MouseClickOnBtn3MP() {
    chooseValue(&tagSetting::photoResolution, 3, &Tavik_CamAppDelegate::changeSelectPRButtonImage,
                kPhotoLine);
}

void Tavik_CamAppDelegate::MouseClickOnBtnVGA() {
    chooseValue(&tagSetting::photoResolution, 4, &Tavik_CamAppDelegate::changeSelectPRButtonImage,
                kPhotoLine);
}

void Tavik_CamAppDelegate::MouseClickOnBtnSingle() {
    followCard();
    if (settingValue.photoMode == 1) {
        return;
    }
    if (settingValue.photoMode == 3) {
        detachIntervalBox();
    }
    settingValue.photoMode = 1;
    setThreeResolutionsEnabled(true);
    changeSelectPMButtonImage(&settingValue);
    saveLines({kPhotoLine});
}

void Tavik_CamAppDelegate::MouseClickOnBtnBurst() {
    followCard();
    if (settingValue.photoMode == 2) {
        return;
    }
    if (settingValue.photoMode == 3) {
        detachIntervalBox();
    }
    // Burst shoots at 5MP only.
    setThreeResolutionsEnabled(false);
    settingValue.photoResolution = 2;
    ui.button5MP->setImageName(QStringLiteral("middle_on.png"));
    changeSelectPRButtonImage(&settingValue);
    settingValue.photoMode = 2;
    changeSelectPMButtonImage(&settingValue);
    saveLines({kPhotoLine});
}

void Tavik_CamAppDelegate::MouseClickOnBtnTimeLapse() {
    followCard();
    if (settingValue.photoMode == 3) {
        return;
    }
    settingValue.photoMode = 3;
    setThreeResolutionsEnabled(true);
    changeSelectPMButtonImage(&settingValue);
    attachIntervalBox(kIntervalYAfterClick);
    saveLines({kPhotoLine});
}

void Tavik_CamAppDelegate::MouseClickOnComboxTimelapse() {
    // The pick is taken first: a file another program changed is shown again before it.
    const int index = ui.timeLipse->currentIndex();
    followCard();
    if (index >= 0 && index <= 3) {
        settingValue.timeLapseValue = index + 1;
        selectStoredInterval();
    }
    saveLines({kPhotoLine});
}
