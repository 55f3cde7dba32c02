// Reset all and the SD-card format request, both confirmed first.
#include "tavik_camappdelegate.h"

#include "blackscroller.h"
#include "pagebuttons.h"

void Tavik_CamAppDelegate::setUpResetAndFormat() {
    ui.buttonAutoFormatOK->setKind(BlackScroller::Single);
    ui.buttonAutoFormatOK->setMyTracking();
    ui.buttonAutoFormatOK->setDisplayImage(QStringLiteral("single.png"),
                                           QStringLiteral("single_hold.png"));
    setUpSingleButton(ui.buttonAutoResetAll, "reset.png", "reset_hold.png");
    // Its picture carries a circular arrow at the left end.
    ui.buttonAutoResetAll->setTitleLeftInset(24);
}

void Tavik_CamAppDelegate::MouseClickOnBtnReset() {
    if (runAlert({tr("Reset All"), tr("All camera settings will be reset"), tr("OK"), tr("Cancel"),
                  QString()}) != DesktopServices::kDefaultButton) {
        return;
    }
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
    if (runAlert({tr("Format"), tr("Do you want format you SD card?"), tr("OK"), tr("Cancel"),
                  QString()}) != DesktopServices::kDefaultButton) {
        return;
    }
    saveLines({kFormatLine});
}
