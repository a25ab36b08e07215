#pragma once

namespace zarvek {

// Ids of the string table that code refers to by name. Any other id of the table may be looked
// up by number.
enum StringId : int {
    kMenuFile = 1000,
    kMenuNew = 1001,
    kMenuOpen = 1002,
    kMenuClose = 1003,
    kMenuExit = 1006,
    kApplicationTitle = 1022,
    kOpenInstalledFile = 1032,
    kAddToGridFile = 1036,
    kMakeGridFile = 1038,
    kCheckPattern = 1039,
    kSpreadPoint3 = 1040,
    kSpreadPoint1 = 1041,
    kSpreadPoint2 = 1042,
    kSpreadIsOk = 1043,
    kLengths12And13 = 1044,
    kLengths12And23 = 1045,
    kLengths13And23 = 1046,
    kLengthsAreGood = 1047,
    kLengthCheckTitle = 1048,
    kNotRightHandTitle = 1049,
    kMustBeRightHand = 1050,
    kVectorOneNotAVector = 1053,
    kVectorTwoNotAVector = 1054,
    kVectorThreeNotAVector = 1055,
    kRedundantLengthsTitle = 1057,
    kInsufficientSpreadTitle = 1059,
    kProbeDiameterDiffers = 1060,
    kDifferentProbeDiametersTitle = 1061,
    kTooManyLengthsMatch = 1063,
    kContinueAnyway = 1064,
    kPatternIsGood = 1065,
    kReplaceInstalledGridFile = 1066,
    kFileExistsTitle = 1067,
    kNoGridFileExists = 1069,
    kAllTextBoxesMustBeFilled = 1070,
    kInsufficientDataTitle = 1071,
};

}  // namespace zarvek
