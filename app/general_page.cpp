// General page: TV system, light frequency, automatic power-off and automatic rotation.
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "blackscroller.h"
#include "pagebuttons.h"

void Tavik_CamAppDelegate::setUpGeneralPage() {
    setUpSegmentButton(ui_->buttonPAL, BlackScroller::Left);
    setUpSegmentButton(ui_->buttonNTSC, BlackScroller::Right);
    setUpSegmentButton(ui_->button50HZ, BlackScroller::Left);
    setUpSegmentButton(ui_->button60HZ, BlackScroller::Right);
    setUpSegmentButton(ui_->buttonAuto, BlackScroller::Single);
    setUpSegmentButton(ui_->buttonAuto1, BlackScroller::Middle);
    setUpSegmentButton(ui_->buttonAuto3, BlackScroller::Right);
    setUpSegmentButton(ui_->buttonAutoOFF, BlackScroller::Left);
    // The rotation switch keeps its pictures under the pointer; its repaint sets them.
    ui_->buttonAutoRotOff->setMyTracking();
    ui_->buttonAutoRotOn->setMyTracking();
    ui_->buttonAutoRotOn->setText(tr("ON"));
    // Date Set opens the date and time page.
    setUpSingleButton(ui_->buttonAutoDateSet, "single.png", "single_hold.png");
}

void Tavik_CamAppDelegate::changeSelectTVTypeButtonImage(tagSetting* setting) {
    repaintGroup(tvTypeGroup_, *setting);
}

void Tavik_CamAppDelegate::changeSelectFreButtonImage(tagSetting* setting) {
    repaintGroup(frequencyGroup_, *setting);
}

void Tavik_CamAppDelegate::changeSelectAutoPowerButtonImage(tagSetting* setting) {
    repaintGroup(autoPowerGroup_, *setting);
}

// The switch shows the chosen half lit and titled; any other value leaves it as it is.
void Tavik_CamAppDelegate::changeSelectAutoRotationButtonImage(tagSetting* setting) {
    if (setting->autoRot == 1) {
        ui_->buttonAutoRotOff->setImageName(QStringLiteral("onoff_left_on.png"));
        ui_->buttonAutoRotOff->setText(tr("OFF"));
        ui_->buttonAutoRotOff->setSelected();
        ui_->buttonAutoRotOn->setImageName(QStringLiteral("onoff_right.png"));
        ui_->buttonAutoRotOn->removeSelected();
    } else if (setting->autoRot == 2) {
        ui_->buttonAutoRotOff->setImageName(QStringLiteral("onoff_left.png"));
        ui_->buttonAutoRotOff->removeSelected();
        ui_->buttonAutoRotOn->setImageName(QStringLiteral("onoff_right_on.png"));
        ui_->buttonAutoRotOn->setText(tr("ON"));
        ui_->buttonAutoRotOn->setSelected();
    }
}

void Tavik_CamAppDelegate::MouseClickOnBtnPAL() {
    chooseValue(SettingKey::TvSystem, 1, &Tavik_CamAppDelegate::changeSelectTVTypeButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnNTSC() {
    chooseValue(SettingKey::TvSystem, 2, &Tavik_CamAppDelegate::changeSelectTVTypeButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn50HZ() {
    chooseValue(SettingKey::LightFrequency, 1, &Tavik_CamAppDelegate::changeSelectFreButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn60HZ() {
    chooseValue(SettingKey::LightFrequency, 2, &Tavik_CamAppDelegate::changeSelectFreButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnAuto() {
    chooseValue(SettingKey::LightFrequency, 3, &Tavik_CamAppDelegate::changeSelectFreButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnAuto1() {
    chooseValue(SettingKey::AutoPowerOff, 1,
                &Tavik_CamAppDelegate::changeSelectAutoPowerButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnAuto3() {
    chooseValue(SettingKey::AutoPowerOff, 2,
                &Tavik_CamAppDelegate::changeSelectAutoPowerButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnAutoOFF() {
    chooseValue(SettingKey::AutoPowerOff, 3,
                &Tavik_CamAppDelegate::changeSelectAutoPowerButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnAutoRotationOFF() {
    chooseValue(SettingKey::AutoRotation, 1,
                &Tavik_CamAppDelegate::changeSelectAutoRotationButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtnAutoRotationON() {
    chooseValue(SettingKey::AutoRotation, 2,
                &Tavik_CamAppDelegate::changeSelectAutoRotationButtonImage);
}
