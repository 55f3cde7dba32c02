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
    return camera_->hasLine(kFormatLine);
}

void Tavik_CamAppDelegate::MouseClickOnBtnReset() {
    if (runAlert({.messageText = tr("Reset All"),
                  .informativeText = tr("All camera settings will be reset"),
                  .defaultButton = tr("OK"),
                  .alternateButton = tr("Cancel")}) != DesktopServices::kDefaultButton) {
        return;
    }
    int32_t modeBefore = 0;
    saveLines(
        [&](tagSetting& setting) {
            modeBefore = setting.photoMode;
            setting.photoResolution = 2;
            setting.photoMode = 1;
            setting.FHDResolution = 1;
            setting.HDResolution = 1;
            setting.tvType = 2;
            setting.tvFre = 1;
            setting.autoOffTime = 2;
            setting.autoRot = 2;
            setting.dateStamp = 1;
            // The lines the file has are rewritten, also where nothing changes.
            return CameraEdit{.kinds = {kPhotoLine, kVideoLine, kGeneralLine},
                              .skipMissingLines = true};
        },
        [&] {
            if (modeBefore == 3) {
                detachIntervalBox();
            }
            setThreeResolutionsEnabled(true);
            settingValue.isInit = 1;
            initSelectButtonBK(&settingValue);
        });
}

void Tavik_CamAppDelegate::MouseClickOnBtnFormatOK() {
    if (runAlert({.messageText = tr("Format"),
                  .informativeText = tr("Do you want format you SD card?"),
                  .defaultButton = tr("OK"),
                  .alternateButton = tr("Cancel")}) != DesktopServices::kDefaultButton) {
        return;
    }
    saveLines([](tagSetting&) { return CameraEdit{.kinds = {kFormatLine}}; });
}

// Takes a format request back: the request line goes, every other line stays.
void Tavik_CamAppDelegate::MouseClickOnBtnCancelFormat() {
    saveLines([](tagSetting&) { return CameraEdit{.dropFormatRequest = true}; });
}
