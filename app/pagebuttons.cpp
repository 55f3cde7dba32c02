#include "pagebuttons.h"

#include "blackscroller.h"

namespace {

struct Family {
    const char* normal;
    const char* hover;
};

constexpr Family kFamilies[] = {
    {"left.png", "left_hold.png"},
    {"middle.png", "middle_hold.png"},
    {"right.png", "right_hold.png"},
    {"single.png", "single_hold.png"},
};

} // namespace

void setUpSegmentButton(BlackScroller* button, int32_t kind) {
    button->setKind(kind);
    button->setMyTracking();
    const Family& family = kFamilies[kind];
    button->setDisplayImage(QString::fromLatin1(family.normal), QString::fromLatin1(family.hover));
}

void setUpSingleButton(BlackScroller* button, const char* normalImage, const char* hoverImage) {
    button->setKind(BlackScroller::Single);
    button->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    button->setMyTracking();
    button->setDisplayImage(QString::fromLatin1(normalImage), QString::fromLatin1(hoverImage));
}
