#include <exception>

#include "form/busy_message.h"
#include "form/command_messages.h"
#include "form/part_name_rule.h"
#include "form/read_fields.h"
#include "form/write_after_asking.h"
#include "form/write_commands.h"
#include "model/grid_file.h"
#include "storage/grid_file_lock.h"

namespace zarvek {
namespace {

GridFile NewGridFile(const FormModel& form, const NumberLocale& locale) {
    const float probeDiameter = ReadProbeDiameter(form, locale);
    const SeatEntries seats = ReadSeats(form, locale);
    GridFile gridFile;
    gridFile.Parts.Add(seats.P1, seats.P2, seats.P3, seats.V1, seats.V2, seats.V3,
                       form.Text(Field::PartName), "");
    gridFile.sProbeDiameter = probeDiameter;
    return gridFile;
}

}  // namespace

WriteCommandOutcome MakeGridFile(FormModel& form, const CommandContext& context) {
    GridFile gridFile;
    try {
        gridFile = NewGridFile(form, context.locale);
    } catch (const FieldNumberError& error) {
        ShowEntryError(context, error);
        form.DisableWriteCommands(true);
        form.FocusForCorrection(error.field());
        return WriteCommandOutcome::InvalidEntry;
    } catch (const std::exception& error) {
        ShowCommandError(context, error);
        return WriteCommandOutcome::Failed;
    }
    if (!AcceptPartName(form, context)) {
        form.DisableWriteCommands(true);
        return WriteCommandOutcome::NameNotStorable;
    }

    try {
        // Taken before the question, so that no other writer changes the file it asks about.
        return WriteAfterAsking(
            gridFile, GridFileLock(context.gridFilePath, context.lockWait, context.lockWaitNotice),
            context, WriteKind::Make);
    } catch (const GridFileBusyError& error) {
        ShowGridFileBusy(context, error);
        return WriteCommandOutcome::Busy;
    } catch (const std::exception& error) {
        ShowWriteError(context, error);
        return WriteCommandOutcome::WriteFailed;
    }
}

}  // namespace zarvek
