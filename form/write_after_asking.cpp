#include "form/write_after_asking.h"

#include <utility>

#include "storage/grid_file_writer.h"
#include "strings/string_ids.h"

namespace zarvek {
namespace {

Message ReplaceQuestion(Language language) {
    Message message;
    message.prompt = LookupString(kReplaceInstalledGridFile, language);
    message.title = LookupString(kFileExistsTitle, language);
    message.buttons = Buttons::YesNo;
    message.icon = Icon::None;
    message.defaultButton = Answer::Yes;
    message.textId = kReplaceInstalledGridFile;
    return message;
}

}  // namespace

WriteCommandOutcome WriteAfterAsking(const GridFile& gridFile, GridFileLock lock,
                                     const CommandContext& context, WriteKind kind) {
    GridFileWrite write(gridFile, std::move(lock));
    if (write.ReplacesAFile() &&
        context.dialogs.Ask(ReplaceQuestion(context.language)) != Answer::Yes) {
        return WriteCommandOutcome::Declined;
    }
    write.Store(context.hostLibrary);
    if (context.written) {
        const std::size_t count = gridFile.Parts.Count();
        context.written(WrittenGridFile{kind, context.gridFilePath,
                                        count > 0 ? gridFile.Parts.Item(count).sName : "", count,
                                        count, write.ReplacesAFile()});
    }
    return WriteCommandOutcome::Written;
}

}  // namespace zarvek
