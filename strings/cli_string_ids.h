#pragma once

namespace zarvek {

// Ids of the command-line tool's own texts (1150 to 1199, English and German). Texts with "%1",
// "%2", ... take arguments through FillPlaceholders (form/placeholders.h).
enum CliStringId : int {
    kCliHelp = 1150,                   //
    kCliUsageHint = 1151,              //
    kCliNoCommand = 1152,              //
    kCliUnknownCommand = 1153,         // %1 the word
    kCliUnknownOption = 1154,          // %1 the command, %2 the word
    kCliOptionNeedsValue = 1155,       // %1 the option
    kCliOptionTakesNoValue = 1156,     // %1 the option
    kCliOptionGivenTwice = 1157,       // %1 the option
    kCliUnexpectedArgument = 1158,     // %1 the word
    kCliMissingOption = 1159,          // %1 the option
    kCliSeatValueCount = 1160,         // %1 the option, %2 its value, %3 the number of values
    kCliSeatValueEmpty = 1161,         // %1 the option, %2 the value's position, %3 its axis
    kCliSeatValueNotANumber = 1162,    // %1 the option, %2 position, %3 axis, %4 the text
    kCliProbeNotANumber = 1163,        // %1 the text
    kCliEmptyValue = 1164,             // %1 the option or argument
    kCliSpreadRefused = 1165,          //
    kCliSpreadAccepted = 1166,         //
    kCliReplaceAnswers = 1167,         //
    kCliNotReplacedNoTerminal = 1168,  // %1 the path
    kCliNotReplaced = 1169,            // %1 the path
    kCliNameHasLineBreak = 1170,       //
    kGridFileFull = 1171,              // %1 the path
    kGridFileFullTitle = 1172,         //
    kCliNoInstalledFileKnown = 1173,   // %1 how to name the file
    kCliWritten = 1174,                // %1 the path
    kLintFile = 1175,                  // %1 the path
    kLintHeader = 1176,                // %1 parts, %2 tolerance, %3 probe diameter
    kLintPartsFound = 1177,            // %1 the number of parts
    kLintPart = 1178,                  // %1 number, %2 name, %3 %4 %5 lengths 1-2, 2-3, 3-1
    kLintNoProblems = 1179,            //
    kLintProblemCount = 1180,          // %1 the number of problems
    kLintNotUnitVector = 1181,         // %1 part number, %2 name, %3 seat, %4 length
    kLintRedundantLengths = 1182,      // %1 part number, %2 name
    kLintHeaderCountDiffers = 1183,    // %1 the header's count, %2 the parts found
    kLintNoMarker = 1184,              //
    kCliUnknownFailure = 1185,         // %1 the reason
    kCliRemoved = 1186,                // %1 the path, %2 part number, %3 its name
    kCliNotRemovedNoTerminal = 1187,   // as 1186
    kCliNotRemoved = 1188,             // as 1186
    kCliRestored = 1189,               // %1 the path
    kCliNotRestoredNoTerminal = 1190,  // %1 the path
    kCliNotRestored = 1191,            // %1 the path
    kCliNoPartNamed = 1192,            // %1 the path, %2 the name
    kCliPartNameAmbiguous = 1193,      // %1 the path, %2 how many, %3 the name, %4 their numbers
    kCliNoPartNumber = 1194,           // %1 the path, %2 the parts it holds, %3 the number asked
    kCliPartNotANumber = 1195,         // %1 the text
    kCliPartOrName = 1196,             //
};

}  // namespace zarvek
