// Reset all and the SD-card format request, both confirmed first.
#include "palette.h"
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "blackscroller.h"
#include "pagebuttons.h"

void Tavik_CamAppDelegate::setUpResetAndFormat() {
    ui_->buttonAutoFormatOK->setKind(BlackScroller::Single);
    ui_->buttonAutoFormatOK->setMyTracking();
    ui_->buttonAutoFormatOK->setDisplayImage(QStringLiteral("single.png"),
                                             QStringLiteral("single_hold.png"));
    setUpSingleButton(ui_->buttonAutoResetAll, "reset.png", "reset_hold.png");
    // Its picture carries a circular arrow at the left end.
    ui_->buttonAutoResetAll->setTitleLeftInset(24);
    // A pending format request reads as a warning, in the amber of the save notice.
    ui_->formatRequestNotice->setStyleSheet(
        QStringLiteral("color: %1;").arg(palette::css(palette::kAmber)));
    setUpSingleButton(ui_->buttonCancelFormat, "single.png", "single_hold.png");
}

// The General page says so while the card holds a format request, and offers to take it back.
void Tavik_CamAppDelegate::showFormatRequest() {
    const bool pending = formatRequestPending();
    ui_->formatRequestNotice->setVisible(pending);
    ui_->buttonCancelFormat->setVisible(pending);
}

bool Tavik_CamAppDelegate::formatRequestPending() const {
    return hasConfigLine(configLineArray, lineCount, kFormatLine);
}

void Tavik_CamAppDelegate::MouseClickOnBtnReset() {
    if (runAlert({.messageText = tr("Reset All"),
                  .informativeText = tr("All camera settings will be reset"),
                  .defaultButton = tr("OK"),
                  .alternateButton = tr("Cancel")}) != DesktopServices::kDefaultButton) {
        return;
    }
    followCard();
    if (settingValue.photoMode == 3) {
        detachIntervalBox();
    }
    setThreeResolutionsEnabled(true);
    settingValue.isInit = 1;
    settingValue.photoResolution = 2;
    settingValue.photoMode = 1;
    settingValue.FHDResolution = 1;
    settingValue.HDResolution = 1;
    settingValue.tvType = 2;
    settingValue.tvFre = 1;
    settingValue.autoOffTime = 2;
    settingValue.autoRot = 2;
    settingValue.dateStamp = 1;
    initSelectButtonBK(&settingValue);
    saveLines({kPhotoLine, kVideoLine, kGeneralLine});
}

void Tavik_CamAppDelegate::MouseClickOnBtnFormatOK() {
    if (runAlert({.messageText = tr("Format"),
                  .informativeText = tr("Do you want format you SD card?"),
                  .defaultButton = tr("OK"),
                  .alternateButton = tr("Cancel")}) != DesktopServices::kDefaultButton) {
        return;
    }
    followCard();
    saveLines({kFormatLine});
}

// Takes a format request back: the request line goes, every other line stays.
void Tavik_CamAppDelegate::MouseClickOnBtnCancelFormat() {
    followCard();
    if (formatRequestPending()) {
        saveLines({}, true);
    }
}
