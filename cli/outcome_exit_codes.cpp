#include "cli/outcome_exit_codes.h"

namespace zarvek::cli {

ExitCode ExitCodeOf(CheckOutcome outcome) {
    switch (outcome) {
        case CheckOutcome::Passed:
        case CheckOutcome::PassedWithWarning:
            return ExitCode::Done;
        case CheckOutcome::BlankField:
        case CheckOutcome::SeatOneNotAVector:
        case CheckOutcome::SeatTwoNotAVector:
        case CheckOutcome::SeatThreeNotAVector:
        case CheckOutcome::LengthsTooAlike:
        case CheckOutcome::NotRightHand:
        case CheckOutcome::SpreadDeclined:
            return ExitCode::Refused;
        case CheckOutcome::NotANumber:
            return ExitCode::Usage;
        case CheckOutcome::Failed:
            return ExitCode::FileProblem;
    }
    return ExitCode::FileProblem;
}

ExitCode ExitCodeOf(WriteCommandOutcome outcome) {
    switch (outcome) {
        case WriteCommandOutcome::Written:
            return ExitCode::Done;
        case WriteCommandOutcome::Declined:
            return ExitCode::NotConfirmed;
        case WriteCommandOutcome::ProbeDiameterDiffers:
        case WriteCommandOutcome::LengthsRepeat:
        case WriteCommandOutcome::GridFileFull:
            return ExitCode::Refused;
        case WriteCommandOutcome::InvalidEntry:
            return ExitCode::Usage;
        case WriteCommandOutcome::Busy:
            return ExitCode::Busy;
        case WriteCommandOutcome::NoInstalledFile:
        case WriteCommandOutcome::NotAGridFile:
        case WriteCommandOutcome::ReadFailed:
        case WriteCommandOutcome::WriteFailed:
        case WriteCommandOutcome::Failed:
            return ExitCode::FileProblem;
    }
    return ExitCode::FileProblem;
}

ExitCode ExitCodeOf(CorrectionOutcome outcome) {
    switch (outcome) {
        case CorrectionOutcome::Done:
            return ExitCode::Done;
        case CorrectionOutcome::Declined:
            return ExitCode::NotConfirmed;
        case CorrectionOutcome::PartNotThere:
        case CorrectionOutcome::BackupChanged:
            return ExitCode::Refused;
        case CorrectionOutcome::Busy:
            return ExitCode::Busy;
        case CorrectionOutcome::NotAGridFile:
        case CorrectionOutcome::NoBackup:
        case CorrectionOutcome::ReadFailed:
        case CorrectionOutcome::WriteFailed:
            return ExitCode::FileProblem;
    }
    return ExitCode::FileProblem;
}

}  // namespace zarvek::cli
