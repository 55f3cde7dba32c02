// Video page: the two independent resolution groups.
#include "tavik_camappdelegate.h"
#include "ui_vantorelle.h"

#include "blackscroller.h"
#include "pagebuttons.h"

void Tavik_CamAppDelegate::setUpVideoPage() {
    setUpSegmentButton(ui_->button1080P, BlackScroller::Left);
    setUpSegmentButton(ui_->button960P, BlackScroller::Right);
    setUpSegmentButton(ui_->button720P60, BlackScroller::Left);
    setUpSegmentButton(ui_->button720P30, BlackScroller::Right);
}

void Tavik_CamAppDelegate::changeSelectFHDButtonImage(tagSetting* setting) {
    repaintGroup(fhdGroup_, *setting);
}

void Tavik_CamAppDelegate::changeSelectHDButtonImage(tagSetting* setting) {
    repaintGroup(hdGroup_, *setting);
}

void Tavik_CamAppDelegate::MouseClickOnBtn1080P() {
    chooseValue(SettingKey::FullHdVideo, 1, &Tavik_CamAppDelegate::changeSelectFHDButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn960P() {
    chooseValue(SettingKey::FullHdVideo, 2, &Tavik_CamAppDelegate::changeSelectFHDButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn720P60() {
    chooseValue(SettingKey::HdVideo, 1, &Tavik_CamAppDelegate::changeSelectHDButtonImage);
}

void Tavik_CamAppDelegate::MouseClickOnBtn720P30() {
    chooseValue(SettingKey::HdVideo, 2, &Tavik_CamAppDelegate::changeSelectHDButtonImage);
}
