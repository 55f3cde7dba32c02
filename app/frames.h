// The window's fixed frames are given with the origin at the bottom left of their parent and
// y growing upwards; Qt's origin is the top left. This is the one place that converts.
#pragma once

#include <QRect>

// The window's content area.
inline constexpr int kContentWidth = 554;
inline constexpr int kContentHeight = 446;

// A frame (x, y from the bottom left, width, height) in a parent `parentHeight` high.
constexpr QRect frameInParent(int x, int y, int width, int height,
                              int parentHeight = kContentHeight) {
    return {x, parentHeight - y - height, width, height};
}

// The header band along the window's top and the logo on it.
inline constexpr QRect kHeaderFrame = frameInParent(0, 320, 554, 126);
inline constexpr QRect kLogoFrame = frameInParent(40, 380, 93, 56);
