// The button groups of the pages and the one repaint and click routine they all share.
#include "tavik_camappdelegate.h"

#include "blackscroller.h"

void Tavik_CamAppDelegate::defineButtonGroups() {
    using S = GroupStyle;
    resolutionGroup_ = {&tagSetting::photoResolution,
                        S::Standard,
                        {{ui.button16MP, "left.png", "left_on.png"},
                         {ui.button5MP, "middle.png", "middle_on.png"},
                         {ui.button3MP, "middle.png", "middle_on.png"},
                         {ui.buttonVGA, "right.png", "right_on.png"}}};
    modeGroup_ = {&tagSetting::photoMode,
                  S::Standard,
                  {{ui.buttonSingle, "left.png", "left_on.png"},
                   {ui.buttonBurst, "middle.png", "middle_on.png"},
                   {ui.buttonTimeLapse, "right.png", "right_on.png"}}};
    fhdGroup_ = {&tagSetting::FHDResolution,
                 S::Standard,
                 {{ui.button1080P, "left.png", "left_on.png"},
                  {ui.button960P, "right.png", "right_on.png"}}};
    hdGroup_ = {&tagSetting::HDResolution,
                S::Standard,
                {{ui.button720P60, "left.png", "left_on.png"},
                 {ui.button720P30, "right.png", "right_on.png"}}};
    tvTypeGroup_ = {
        &tagSetting::tvType,
        S::Standard,
        {{ui.buttonPAL, "left.png", "left_on.png"}, {ui.buttonNTSC, "right.png", "right_on.png"}}};
    frequencyGroup_ = {&tagSetting::tvFre,
                       S::Standard,
                       {{ui.button50HZ, "left.png", "left_on.png"},
                        {ui.button60HZ, "right.png", "right_on.png"},
                        {ui.buttonAuto, "single.png", "single_on.png"}}};
    // Codes 1 and 2 are the two delays, 3 is off; on screen off comes first.
    autoPowerGroup_ = {&tagSetting::autoOffTime,
                       S::AllNormalFirst,
                       {{ui.buttonAuto1, "middle.png", "middle_on.png"},
                        {ui.buttonAuto3, "right.png", "right_on.png"},
                        {ui.buttonAutoOFF, "left.png", "left_on.png"}}};

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
    for (BlackScroller* half : {ui.buttonAutoRotOff, ui.buttonAutoRotOn}) {
        half->setAccessibleCaption(tr("Auto rotation"));
        half->setCheckable(true);
    }
    ui.timeLipse->setAccessibleName(tr("Time-lapse interval"));
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
    followCard();
    if (chooseSetting(settingValue, key, code) != ChoiceResult::Changed) {
        return;
    }
    (this->*repaint)(&settingValue);
    saveLines({settingKeyInfo(key).lineKind});
}
