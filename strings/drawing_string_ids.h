#pragma once

namespace zarvek {

// Ids of the texts of the pattern drawing and the parts table (1250 to 1299, English and German)
// that the window and the parts overview use by name. The drawing's hints, 1250 to 1256, are
// named in pattern/pattern_sketch.h. Texts with "%1" .. "%4" take arguments through
// FillPlaceholders (form/placeholders.h).
enum DrawingStringId : int {
    kSketchSeatsPass = 1257,        // the drawing's verdict line when every check passes
    kViewerTextTab = 1258,          //
    kViewerPartsTab = 1259,         //
    kPartsColumnNumber = 1260,      //
    kPartsColumnName = 1261,        //
    kPartsColumnLength12 = 1262,    // 1263, 1264: lengths 2-3 and 3-1
    kPartsColumnPosition1 = 1265,   // 1266, 1267: positions of seats 2 and 3
    kPartsColumnDirection1 = 1268,  // 1269, 1270: directions of seats 2 and 3
    kPartsHeaderValues = 1271,      // %1 probe diameter, %2 tolerance, %3 count stated, %4 read
    kPartsRepeatLegend = 1272,      // %1 the number of marked parts
    kPartsNoRepeats = 1273,         //
    kPartsRowRepeats = 1274,        //
    kPartsRowRefusedByAdd = 1275,   //
    kPartsNotAGridFile = 1276,      //
    kPartsCannotBeShown = 1277,     // %1 the reader's message
};

}  // namespace zarvek
