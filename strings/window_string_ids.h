#pragma once

namespace zarvek {

// Ids of the window's and the commands' own texts (1100 to 1149, English and German). Texts with
// "%1", "%2", "%3" take arguments through FillPlaceholders (form/placeholders.h).
enum WindowStringId : int {
    kFieldNotANumber = 1100,                 // %1 field name, %2 its text
    kInvalidNumberTitle = 1101,              //
    kProbeDiameterHasGroupSeparator = 1102,  // %1 text, %2 group separator, %3 decimal separator
    kProbeDiameterName = 1103,               //
    kPartNameName = 1104,                    //
    kInstalledFileUnreadable = 1105,         // %1 the reason
    kCannotReadGridFileTitle = 1106,         //
    kInstalledFileNotAGridFile = 1107,       // %1 the path
    kNotAGridFileTitle = 1108,               //
    kGridFileNotWritten = 1109,              // %1 the reason
    kCannotWriteGridFileTitle = 1110,        //
    kFileCannotBeShown = 1111,               // %1 the path, %2 the reason
    kCannotOpenFileTitle = 1112,             //
    kCommandFailed = 1113,                   // %1 the reason
    kErrorTitle = 1114,                      //
    kFileTooLargeToShow = 1115,              // %1 the limit in megabytes
    kFileCannotBeRead = 1116,                //
    kFileNewShortcut = 1133,                 // File > New's key as a menu shows it
    kSeatFieldHasGroupSeparator = 1134,      // %1 field name, %2 text, %3 group, %4 decimal sep.
};

}  // namespace zarvek
