#include "cli/outcome_exit_codes.h"

namespace zarvek::cli {

Ending EndingOf(CheckOutcome outcome) {
    switch (outcome) {
        case CheckOutcome::Passed:
            return {ExitCode::Done, "passed"};
        case CheckOutcome::PassedWithWarning:
            return {ExitCode::Done, "passedWithWarning"};
        case CheckOutcome::BlankField:
            return {ExitCode::Refused, "blankField"};
        case CheckOutcome::SeatOneNotAVector:
            return {ExitCode::Refused, "seatOneNotAVector"};
        case CheckOutcome::SeatTwoNotAVector:
            return {ExitCode::Refused, "seatTwoNotAVector"};
        case CheckOutcome::SeatThreeNotAVector:
            return {ExitCode::Refused, "seatThreeNotAVector"};
        case CheckOutcome::LengthsTooAlike:
            return {ExitCode::Refused, "lengthsTooAlike"};
        case CheckOutcome::NotRightHand:
            return {ExitCode::Refused, "notRightHand"};
        case CheckOutcome::SpreadDeclined:
            return {ExitCode::Refused, "spreadDeclined"};
        case CheckOutcome::NotANumber:
            return {ExitCode::Usage, "notANumber"};
        case CheckOutcome::Failed:
            break;
    }
    return {ExitCode::FileProblem, "failed"};
}

Ending EndingOf(WriteCommandOutcome outcome) {
    switch (outcome) {
        case WriteCommandOutcome::Written:
            return {ExitCode::Done, "written"};
        case WriteCommandOutcome::Declined:
            return {ExitCode::NotConfirmed, "declined"};
        case WriteCommandOutcome::ProbeDiameterDiffers:
            return {ExitCode::Refused, "probeDiameterDiffers"};
        case WriteCommandOutcome::LengthsRepeat:
            return {ExitCode::Refused, "lengthsRepeat"};
        case WriteCommandOutcome::GridFileFull:
            return {ExitCode::Refused, "gridFileFull"};
        case WriteCommandOutcome::NameNotStorable:
            return {ExitCode::Refused, "nameNotStorable"};
        case WriteCommandOutcome::InvalidEntry:
            return {ExitCode::Usage, "invalidEntry"};
        case WriteCommandOutcome::Busy:
            return {ExitCode::Busy, "busy"};
        case WriteCommandOutcome::NoInstalledFile:
            return {ExitCode::FileProblem, "noGridFile"};
        case WriteCommandOutcome::NotAGridFile:
            return {ExitCode::FileProblem, "notAGridFile"};
        case WriteCommandOutcome::ReadFailed:
            return {ExitCode::FileProblem, "readFailed"};
        case WriteCommandOutcome::WriteFailed:
            return {ExitCode::FileProblem, "writeFailed"};
        case WriteCommandOutcome::Failed:
            break;
    }
    return {ExitCode::FileProblem, "failed"};
}

Ending EndingOf(CorrectionOutcome outcome, bool restore) {
    switch (outcome) {
        case CorrectionOutcome::Done:
            return {ExitCode::Done, restore ? "restored" : "removed"};
        case CorrectionOutcome::Declined:
            return {ExitCode::NotConfirmed, "declined"};
        case CorrectionOutcome::PartNotThere:
            return {ExitCode::Refused, "partNotThere"};
        case CorrectionOutcome::BackupChanged:
            return {ExitCode::Refused, "backupChanged"};
        case CorrectionOutcome::Busy:
            return {ExitCode::Busy, "busy"};
        case CorrectionOutcome::NotAGridFile:
            return {ExitCode::FileProblem, "notAGridFile"};
        case CorrectionOutcome::NoBackup:
            return {ExitCode::FileProblem, "noBackup"};
        case CorrectionOutcome::ReadFailed:
            return {ExitCode::FileProblem, "readFailed"};
        case CorrectionOutcome::WriteFailed:
            break;
    }
    return {ExitCode::FileProblem, "writeFailed"};
}

}  // namespace zarvek::cli
