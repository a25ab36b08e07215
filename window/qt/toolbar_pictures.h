#pragma once

#include <QPixmap>
#include <array>

namespace zarvek {

// The four toolbar pictures, drawn here rather than loaded: a blank page ("New"), an opening
// folder with an arrow ("Open"), a large red T ("T", the installed file) and a red T with a plus
// sign ("T+", add to it). Each is 24 by 24 device-independent pixels, drawn at the screen's
// `devicePixelRatio` so that it is sharp without being scaled.
std::array<QPixmap, 4> DrawToolbarPictures(qreal devicePixelRatio);

// The greyed form of a picture, shown for a disabled button: its lightness kept, its colour gone,
// and faded.
QPixmap Greyed(const QPixmap& picture);

inline constexpr int kToolbarPictureSize = 24;

}  // namespace zarvek
