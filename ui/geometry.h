#pragma once
// Window geometry. The design measures in twips, 15 to a logical pixel; Qt scales logical pixels
// to the screen (QT_SCALE_FACTOR, the desktop's scale), so the layout keeps its proportions.

#include <QRect>
#include <QSize>

namespace zolvan {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) {
    return twips / kTwipsPerPixel;
}

inline QRect twipRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// The model's window sizes are outer sizes, frame included, as the design was drawn; Qt sizes the
// client area. The frame of the design: a border of 3 pixels and a caption bar of 19.
inline constexpr int kFrameWidth = 2 * 3;
inline constexpr int kFrameHeight = 19 + 2 * 3;

inline QSize clientSize(int widthTwips, int heightTwips) {
    return {px(widthTwips) - kFrameWidth, px(heightTwips) - kFrameHeight};
}

} // namespace zolvan
