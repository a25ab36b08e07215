#include "form/view_layout.h"

#include <algorithm>
#include <cmath>

namespace zarvek {
namespace {

constexpr double kTwipsPerInch = 1440.0;
// As far below the installed file's label as that label is above the viewer.
constexpr int kShownFileLineTwips = 300;

}  // namespace

ViewLayout ComputeViewLayout(int innerWidthTwips, int innerHeightTwips) {
    ViewLayout layout;
    layout.viewer = TwipsRect{250, 900, std::max(0, innerWidthTwips - 500),
                              std::max(0, innerHeightTwips - 1200)};
    const int line = std::min(kShownFileLineTwips, layout.viewer.height);
    layout.shownFile = TwipsRect{250, 900, layout.viewer.width, line};
    layout.tabs = TwipsRect{250, 900 + line, layout.viewer.width, layout.viewer.height - line};
    layout.labelLeft = 250;
    layout.labelTop = 600;
    return layout;
}

int TwipsToPixels(int twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

int PixelsToTwips(int pixels, double dotsPerInch) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dotsPerInch));
}

}  // namespace zarvek
