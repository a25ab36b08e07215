#pragma once

namespace zarvek {

// Ids of the texts about keeping the grid file safe (1200 to 1249, English and German). Texts
// with "%1", "%2" take arguments through FillPlaceholders (form/placeholders.h).
enum ReliabilityStringId : int {
    kGridFileBusy = 1200,       // %1 the path, %2 the seconds waited
    kGridFileBusyTitle = 1201,  //
};

}  // namespace zarvek
