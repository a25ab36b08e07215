#pragma once

#include <span>

#include "form/command_context.h"
#include "form/fields.h"
#include "form/form_model.h"

namespace zarvek {

// How a Check Pattern run ended.
enum class CheckOutcome {
    Passed,             // write gate open, no message
    PassedWithWarning,  // the spread was too narrow and the operator answered Yes: gate open
    BlankField,         // a field taking part in the blank test was empty
    NotANumber,         // a seat field is not a number in the user's locale
    SeatOneNotAVector,  // the direction of Point 1 is (0, 0, 0)
    SeatTwoNotAVector,
    SeatThreeNotAVector,
    LengthsTooAlike,  // two seat-to-seat lengths differ by 1.5 mm or less
    NotRightHand,     // the seats do not run in right-hand order
    SpreadDeclined,   // the spread was too narrow and the operator answered No or Cancel
    Failed,           // an unexpected error, reported in its own message
};

// True for Passed and PassedWithWarning: the write gate is open afterwards.
bool IsPass(CheckOutcome outcome);

// Checks the typed pattern. In order: the blank test over `blankTestFields` (in the order given;
// the window passes every field, a caller without a probe diameter or part name leaves them out);
// the positions; for each seat in turn its direction, which must not be (0, 0, 0) and is written
// back into its three fields as a unit vector with five decimals (each a change of that field);
// then the lengths, the right-hand rotation and the spread. Every failure shows exactly one
// message through the context's dialogs, closes the write gate and unlocks the entry fields; one
// that names a field then puts the focus there with its text selected (FocusForCorrection): the
// first blank field, the field that is not a number or holds the digit-group separator, the I
// field of a seat whose direction is zero. A pass opens the gate; a spread warning answered Yes
// opens it and unlocks the fields. Writes no file.
CheckOutcome CheckPattern(FormModel& form, const CommandContext& context,
                          std::span<const Field> blankTestFields = AllFields());

}  // namespace zarvek
