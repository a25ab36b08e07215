#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "form/busy_message.h"
#include "form/command_messages.h"
#include "form/correction_commands.h"
#include "form/placeholders.h"
#include "storage/grid_file_lock.h"
#include "storage/part_removal.h"
#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

std::string Text(const CommandContext& context, int id) {
    return LookupString(id, context.language);
}

Message RemoveQuestion(const CommandContext& context, std::size_t position, const Part& shown) {
    Message message;
    message.prompt =
        FillPlaceholders(Text(context, kRemovePartQuestion),
                         {std::to_string(position), shown.sName, context.gridFilePath});
    message.title = Text(context, kRemovePart);
    message.buttons = Buttons::YesNo;
    message.icon = Icon::Question;
    // Enter must not take a part away.
    message.defaultButton = Answer::No;
    message.textId = kRemovePartQuestion;
    return message;
}

CorrectionOutcome Report(const CommandContext& context, int promptId,
                         std::initializer_list<std::string_view> args, int titleId, Icon icon,
                         CorrectionOutcome outcome) {
    ShowOkMessage(context, FillPlaceholders(Text(context, promptId), args), Text(context, titleId),
                  icon, promptId);
    return outcome;
}

}  // namespace

CorrectionOutcome RemovePartAfterAsking(const CommandContext& context, std::size_t position,
                                        const Part& shown) {
    if (context.dialogs.Ask(RemoveQuestion(context, position, shown)) != Answer::Yes) {
        return CorrectionOutcome::Declined;
    }
    // Taken after the question, so that no other writer waits for the operator; the part is
    // compared again under it.
    std::optional<GridFileLock> lock;
    try {
        lock.emplace(context.gridFilePath, context.lockWait, context.lockWaitNotice);
    } catch (const GridFileBusyError& error) {
        ShowGridFileBusy(context, error);
        return CorrectionOutcome::Busy;
    } catch (const std::exception& error) {
        return Report(context, kPartNotRemoved, {error.what()}, kCannotWriteGridFileTitle,
                      Icon::Critical, CorrectionOutcome::WriteFailed);
    }
    try {
        switch (RemovePart(std::move(*lock), position, shown, context.hostLibrary)) {
            case PartRemoval::Removed:
                if (context.written) {
                    // A removal always replaces the file it read, so the backup holds it now.
                    context.written(WrittenGridFile{WriteKind::Remove, context.gridFilePath,
                                                    shown.sName, position, 0, true});
                }
                return CorrectionOutcome::Done;
            case PartRemoval::NotAGridFile:
                return Report(context, kRemoveNotAGridFile, {context.gridFilePath},
                              kNotAGridFileTitle, Icon::Critical, CorrectionOutcome::NotAGridFile);
            case PartRemoval::PartNotThere:
                return Report(context, kPartNoLongerThere,
                              {context.gridFilePath, std::to_string(position), shown.sName},
                              kPartNotRemovedTitle, Icon::Exclamation,
                              CorrectionOutcome::PartNotThere);
        }
    } catch (const GridFileReadError& error) {
        return Report(context, kRemoveFileUnreadable, {error.what()}, kCannotReadGridFileTitle,
                      Icon::Critical, CorrectionOutcome::ReadFailed);
    } catch (const std::exception& error) {
        return Report(context, kPartNotRemoved, {error.what()}, kCannotWriteGridFileTitle,
                      Icon::Critical, CorrectionOutcome::WriteFailed);
    }
    return CorrectionOutcome::WriteFailed;
}

}  // namespace zarvek
