#pragma once

namespace vastrel::browser {

// The design measures of frmVL in pixels. The layout, the fixed geometry of its controls and
// the window's size limits follow from these.
namespace metrics {

// Between the window's edges and the lists and panes.
inline constexpr int kMargin = 8;
// The band above each half of the window that holds its captions: the lists start at its
// height, and in full mode the lower half's band comes between the halves.
inline constexpr int kBand = 24;
// The column between the two lists that holds the buttons.
inline constexpr int kColumn = 36;
// The square buttons' side, and the height of every button.
inline constexpr int kButton = 27;
// cmdSuona and cmdCopertina are wider.
inline constexpr int kWideButton = 39;
// The size switch and the About picture.
inline constexpr int kImageSide = 16;
// A caption ends this far above what it names.
inline constexpr int kCaptionGap = 3;
// Between a caption and the control to its right.
inline constexpr int kLabelGap = 4;

// The smallest list the layout is made for, and the narrowest picture list beside a square
// picture as high as the lists.
inline constexpr int kMinListHeight = 135;
inline constexpr int kMinPictureListWidth = 105;
inline constexpr int kMinListWidth = kMinListHeight + kMinPictureListWidth;

// The client area less the two lists, across and down.
inline constexpr int kAcross = 2 * kMargin + kColumn;
inline constexpr int kDownHalf = kBand + kMargin;
inline constexpr int kDownFull = 2 * kBand + kMargin;

} // namespace metrics

} // namespace vastrel::browser
