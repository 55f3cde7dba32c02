#include "pagebuttons.h"

#include "blackscroller.h"

void setUpSegmentButton(BlackScroller* button, int32_t kind) {
    button->setKind(kind);
    button->setMyTracking();
    button->setDisplayImage(BlackScroller::familyImage(kind, BlackScroller::NormalSlot),
                            BlackScroller::familyImage(kind, BlackScroller::HoverSlot));
}

void setUpSingleButton(BlackScroller* button, const char* normalImage, const char* hoverImage) {
    button->setKind(BlackScroller::Single);
    button->setMyButtonTitleColor(BlackScroller::greyTitleColor());
    button->setMyTracking();
    button->setDisplayImage(QString::fromLatin1(normalImage), QString::fromLatin1(hoverImage));
}
