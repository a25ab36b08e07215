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

// Asks before replacing a file, then stores; `name` and `count` tell what was written.
WriteCommandOutcome AskAndStore(GridFileWrite& write, const CommandContext& context, WriteKind kind,
                                const std::string& name, std::size_t count) {
    if (write.ReplacesAFile() &&
        context.dialogs.Ask(ReplaceQuestion(context.language)) != Answer::Yes) {
        return WriteCommandOutcome::Declined;
    }
    write.Store(context.hostLibrary);
    if (context.written) {
        context.written(
            WrittenGridFile{kind, context.gridFilePath, name, count, count, write.ReplacesAFile()});
    }
    return WriteCommandOutcome::Written;
}

}  // namespace

WriteCommandOutcome WriteAfterAsking(const GridFile& gridFile, GridFileLock lock,
                                     const CommandContext& context, WriteKind kind) {
    GridFileWrite write(gridFile, std::move(lock));
    const std::size_t count = gridFile.Parts.Count();
    return AskAndStore(write, context, kind, count > 0 ? gridFile.Parts.Item(count).sName : "",
                       count);
}

WriteCommandOutcome WriteAfterAsking(GridFileAppend append, GridFileLock lock,
                                     const CommandContext& context) {
    const std::string name = append.part.sName;
    const std::size_t count = append.scan.partCount + 1;
    GridFileWrite write(std::move(append), std::move(lock));
    return AskAndStore(write, context, WriteKind::Add, name, count);
}

}  // namespace zarvek
