#pragma once

namespace zarvek {

// A rectangle in twips (1/1440 inch), the window's scale unit.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Where view mode puts the viewer and the label naming the installed file, computed from the
// window's inner area when view mode is entered: the viewer at (250, 900), inner width - 500 by
// inner height - 1200; the label at (250, 600). The viewer's first line names the file it shows
// (ViewerFileLabel), its tabs fill the rest. A window too small for the viewer gives it no width
// or height rather than a negative one.
struct ViewLayout {
    TwipsRect viewer;
    TwipsRect shownFile;  // the viewer's top line, 300 high
    TwipsRect tabs;       // the viewer below that line
    int labelLeft = 0;
    int labelTop = 0;
};
ViewLayout ComputeViewLayout(int innerWidthTwips, int innerHeightTwips);

// Twips to pixels at `dotsPerInch` and back, rounded to the nearest whole number.
int TwipsToPixels(int twips, double dotsPerInch);
int PixelsToTwips(int pixels, double dotsPerInch);

}  // namespace zarvek
