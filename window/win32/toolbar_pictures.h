#pragma once

#include <windows.h>

#include <commctrl.h>

namespace zarvek::win32 {

// The toolbar's two image lists: the four pictures (a blank page "New", an opening folder with an
// arrow "Open", a large red T "T", a red T with a plus sign "T+"), each `side` pixels square, and
// their greyed forms for disabled buttons. Drawn here with GDI, as the Qt window draws the same
// four; the caller owns both lists (ImageList_Destroy).
struct ToolbarImageLists {
    HIMAGELIST normal = nullptr;    // ImageList1
    HIMAGELIST disabled = nullptr;  // ImageList2
};
ToolbarImageLists DrawToolbarPictures(int side);

// The picture's size in pixels at `dpi`: 24 at 96 dots per inch.
int ToolbarPictureSide(int dpi);

}  // namespace zarvek::win32
