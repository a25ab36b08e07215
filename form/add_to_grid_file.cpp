#include <algorithm>
#include <array>
#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include "common/number_text.h"
#include "form/busy_message.h"
#include "form/command_messages.h"
#include "form/existing_file.h"
#include "form/part_name_rule.h"
#include "form/placeholders.h"
#include "form/read_fields.h"
#include "form/write_after_asking.h"
#include "form/write_commands.h"
#include "model/grid_file.h"
#include "pattern/checks.h"
#include "storage/grid_file_format.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "strings/cli_string_ids.h"
#include "strings/string_ids.h"

namespace zarvek {
namespace {

std::string Text(const CommandContext& context, int id) {
    return LookupString(id, context.language);
}

WriteCommandOutcome Refuse(FormModel& form, const CommandContext& context, int promptId,
                           const std::string& prompt, int titleId, WriteCommandOutcome outcome) {
    ShowOkMessage(context, prompt, Text(context, titleId), Icon::Critical, promptId);
    form.DisableWriteCommands(true);
    return outcome;
}

}  // namespace

WriteCommandOutcome AddToGridFile(FormModel& form, const CommandContext& context) {
    if (!IsExistingFile(context.gridFilePath)) {
        ShowNoInstalledFile(context);
        return WriteCommandOutcome::NoInstalledFile;
    }
    // Held from the read to the end of the write: no other writer can change the file between.
    std::optional<GridFileLock> lock;
    try {
        lock.emplace(context.gridFilePath, context.lockWait, context.lockWaitNotice);
    } catch (const GridFileBusyError& error) {
        ShowGridFileBusy(context, error);
        return WriteCommandOutcome::Busy;
    } catch (const std::exception& error) {
        ShowWriteError(context, error);
        return WriteCommandOutcome::WriteFailed;
    }
    // The parts are not kept: only their lengths matter here, and the write copies them.
    std::optional<GridFileScan> scan;
    std::vector<double> stored;
    try {
        scan = ScanGridFile(
            context.gridFilePath,
            [&](const Part& part) {
                const std::array<double, 3> lengths = SeatLengths(part);
                stored.insert(stored.end(), lengths.begin(), lengths.end());
            },
            [&](const GridFileHeader& header) {
                stored.reserve(3 *
                               static_cast<std::size_t>(std::max<int>(header.iNumberOfParts, 0)));
            });
    } catch (const std::exception& error) {
        ShowReadError(context, error);
        return WriteCommandOutcome::ReadFailed;
    }
    if (!scan) {
        ShowNotAGridFile(context);
        return WriteCommandOutcome::NotAGridFile;
    }
    // Said before any check: no entry could make the part fit.
    if (scan->partCount >= static_cast<std::size_t>(grid_format::kMaxParts)) {
        ShowOkMessage(context,
                      FillPlaceholders(Text(context, kGridFileFull), {context.gridFilePath}),
                      Text(context, kGridFileFullTitle), Icon::Critical, kGridFileFull);
        return WriteCommandOutcome::GridFileFull;
    }

    float probeDiameter = 0.0f;
    SeatEntries seats;
    try {
        probeDiameter = ReadProbeDiameter(form, context.locale);
        seats = ReadSeats(form, context.locale);
    } catch (const FieldNumberError& error) {
        ShowEntryError(context, error);
        form.DisableWriteCommands(true);
        form.FocusForCorrection(error.field());
        return WriteCommandOutcome::InvalidEntry;
    }
    if (!AcceptPartName(form, context)) {
        form.DisableWriteCommands(true);
        return WriteCommandOutcome::NameNotStorable;
    }

    // Exact single-precision equality: 3, 3.0 and 3.000 match a file diameter of 3, 3.0001 does
    // not. The message ends with the file's diameter as its header line writes it.
    if (probeDiameter != scan->header.sProbeDiameter) {
        return Refuse(form, context, kProbeDiameterDiffers,
                      Text(context, kProbeDiameterDiffers) +
                          FormatPatternSingle(scan->header.sProbeDiameter, 6, FileLocale()),
                      kDifferentProbeDiametersTitle, WriteCommandOutcome::ProbeDiameterDiffers);
    }
    if (CheckLengthsAgainstStored(stored, seats.P1, seats.P2, seats.P3) != kLengthsAreGood) {
        return Refuse(form, context, kTooManyLengthsMatch, Text(context, kTooManyLengthsMatch),
                      kRedundantLengthsTitle, WriteCommandOutcome::LengthsRepeat);
    }

    try {
        return WriteAfterAsking(
            GridFileAppend{std::move(*scan), Part{seats.P1, seats.P2, seats.P3, seats.V1, seats.V2,
                                                  seats.V3, form.Text(Field::PartName)}},
            std::move(*lock), context);
    } catch (const std::exception& error) {
        ShowWriteError(context, error);
        return WriteCommandOutcome::WriteFailed;
    }
}

}  // namespace zarvek
