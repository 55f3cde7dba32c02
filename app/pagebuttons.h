// The set-up every image button of the pages gets once at start-up.
#pragma once

#include <cstdint>

class BlackScroller;

// A button of an option group: segment kind, tracking region, and the family's normal and
// hover pictures (the selected picture follows from the kind).
void setUpSegmentButton(BlackScroller* button, int32_t kind);

// A button that stands alone: kind single, grey title, tracking region and the two pictures.
void setUpSingleButton(BlackScroller* button, const char* normalImage, const char* hoverImage);
