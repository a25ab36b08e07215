#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "form/busy_message.h"
#include "form/command_messages.h"
#include "form/correction_commands.h"
#include "form/placeholders.h"
#include "platform/file_system.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_restore.h"
#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

std::string Text(const CommandContext& context, int id) {
    return LookupString(id, context.language);
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string WrittenText(const CommandContext& context, const std::optional<LocalDateTime>& time) {
    if (!time) {
        return "?";
    }
    return FillPlaceholders(Text(context, kDateAndTime),
                            {std::to_string(time->year), TwoDigits(time->month),
                             TwoDigits(time->day), TwoDigits(time->hour), TwoDigits(time->minute)});
}

Message RestoreQuestion(const CommandContext& context, const GridFileBackup& backup) {
    Message message;
    const int promptId =
        PathExists(context.gridFilePath) ? kRestoreQuestion : kRestoreIntoMissingFileQuestion;
    message.prompt =
        FillPlaceholders(Text(context, promptId),
                         {context.gridFilePath, std::to_string(backup.gridFile.Parts.Count()),
                          WrittenText(context, backup.written)});
    message.title = Text(context, kRestorePreviousGridFileTitle);
    message.buttons = Buttons::YesNo;
    message.icon = Icon::Question;
    message.defaultButton = Answer::No;
    message.textId = promptId;
    return message;
}

CorrectionOutcome Report(const CommandContext& context, int promptId, std::string_view arg,
                         int titleId, Icon icon, CorrectionOutcome outcome) {
    ShowOkMessage(context, FillPlaceholders(Text(context, promptId), {arg}), Text(context, titleId),
                  icon, promptId);
    return outcome;
}

}  // namespace

bool CanRestorePreviousGridFile(const std::string& path) {
    return HasGridFileBackup(path);
}

CorrectionOutcome RestorePreviousGridFile(const CommandContext& context) {
    std::optional<GridFileBackup> backup;
    try {
        backup = ReadGridFileBackup(context.gridFilePath);
    } catch (const std::exception& error) {
        return Report(context, kBackupCannotBeRestored, error.what(), kCannotReadGridFileTitle,
                      Icon::Critical, CorrectionOutcome::ReadFailed);
    }
    if (!backup) {
        return Report(context, kNoPreviousGridFile, context.gridFilePath,
                      kRestorePreviousGridFileTitle, Icon::Information,
                      CorrectionOutcome::NoBackup);
    }
    if (context.dialogs.Ask(RestoreQuestion(context, *backup)) != Answer::Yes) {
        return CorrectionOutcome::Declined;
    }
    std::optional<GridFileLock> lock;
    try {
        lock.emplace(context.gridFilePath, context.lockWait, context.lockWaitNotice);
    } catch (const GridFileBusyError& error) {
        ShowGridFileBusy(context, error);
        return CorrectionOutcome::Busy;
    } catch (const std::exception& error) {
        return Report(context, kGridFileNotRestored, error.what(), kCannotWriteGridFileTitle,
                      Icon::Critical, CorrectionOutcome::WriteFailed);
    }
    // Under the lock no writer creates or removes the file: whether one is replaced is known.
    const bool replacesAFile = PathExists(context.gridFilePath);
    try {
        if (!RestoreGridFileBackup(std::move(*lock), backup->bytes, context.hostLibrary)) {
            return Report(context, kBackupChanged, backup->path, kRestorePreviousGridFileTitle,
                          Icon::Exclamation, CorrectionOutcome::BackupChanged);
        }
    } catch (const std::exception& error) {
        return Report(context, kGridFileNotRestored, error.what(), kCannotWriteGridFileTitle,
                      Icon::Critical, CorrectionOutcome::WriteFailed);
    }
    if (context.written) {
        context.written(WrittenGridFile{WriteKind::Restore, context.gridFilePath, "", 0,
                                        backup->gridFile.Parts.Count(), replacesAFile});
    }
    return CorrectionOutcome::Done;
}

}  // namespace zarvek
