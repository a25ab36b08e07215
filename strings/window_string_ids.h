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
    kRemovePart = 1117,                      // the button, the context menu and the title
    kRemovePartQuestion = 1118,              // %1 part number, %2 its name, %3 the path
    kPartNoLongerThere = 1119,               // %1 the path, %2 part number, %3 its name
    kPartNotRemovedTitle = 1120,             //
    kRemoveFileUnreadable = 1121,            // %1 the reason
    kRemoveNotAGridFile = 1122,              // %1 the path
    kPartNotRemoved = 1123,                  // %1 the reason
    kMenuRestorePreviousGridFile = 1124,     // the menu item, with its access key
    kRestoreQuestion = 1125,                 // %1 the path, %2 the backup's parts, %3 its time
    kRestoreIntoMissingFileQuestion = 1126,  // as 1125
    kNoPreviousGridFile = 1127,              // %1 the path
    kBackupCannotBeRestored = 1128,          // %1 the reason
    kBackupChanged = 1129,                   // %1 the backup's path
    kGridFileNotRestored = 1130,             // %1 the reason
    kDateAndTime = 1131,                     // %1 year, %2 month, %3 day, %4 hour, %5 minute
    kRestorePreviousGridFileTitle = 1132,    //
    kFileNewShortcut = 1133,                 // File > New's key as a menu shows it
    kSeatFieldHasGroupSeparator = 1134,      // %1 field name, %2 text, %3 group, %4 decimal sep.
    // The status line after a write, one line each, and the line naming the file the viewer shows.
    kStatusMadeNewFile = 1135,  // %1 part name, %2 the path
    kStatusMade = 1136,         // %1 part name, %2 the path, %3 the backup's name
    kStatusAdded = 1137,        // %1 part name, %2 its number, %3 the path, %4 the backup's name
    kStatusRemoved = 1138,      // %1 part number, %2 its name, %3 the path, %4 the backup's name
    kStatusRestored = 1139,     // %1 the path, %2 its parts, %3 the backup's name
    kStatusRestoredMissing = 1140,  // as 1139: the file was missing, the backup stays
    kViewerFileShown = 1141,        // %1 the path of the file the viewer shows
    // Taken from the end of the range, so that the window's next texts follow 1134 unhindered.
    kNameOutsideCodePage = 1148,       // %1 the characters, each quoted with its code
    kNameOutsideCodePageTitle = 1149,  //
};

}  // namespace zarvek
