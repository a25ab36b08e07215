#include "form/write_report.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "form/placeholders.h"
#include "platform/file_system.h"
#include "storage/safe_write.h"
#include "strings/window_string_ids.h"

namespace zarvek {
namespace {

// The backup lies beside the file, so its name alone says where it is.
std::string BackupName(const std::string& path) {
    const std::string backup = BackupPathFor(path);
    const std::size_t slash = backup.find_last_of(std::string{'/', FolderSeparator()});
    return slash == std::string::npos ? backup : backup.substr(slash + 1);
}

}  // namespace

std::string StatusLineAfterWrite(const WrittenGridFile& written, Language language) {
    const std::string backup = BackupName(written.path);
    const std::string number = std::to_string(written.partNumber);
    const auto fill = [language](int id, std::initializer_list<std::string_view> args) {
        return FillPlaceholders(LookupString(id, language), args);
    };
    switch (written.kind) {
        case WriteKind::Make:
            return written.previousKept
                       ? fill(kStatusMade, {written.partName, written.path, backup})
                       : fill(kStatusMadeNewFile, {written.partName, written.path});
        case WriteKind::Add:
            return fill(kStatusAdded, {written.partName, number, written.path, backup});
        case WriteKind::Remove:
            return fill(kStatusRemoved, {number, written.partName, written.path, backup});
        case WriteKind::Restore:
            return fill(written.previousKept ? kStatusRestored : kStatusRestoredMissing,
                        {written.path, std::to_string(written.partCount), backup});
    }
    return {};
}

}  // namespace zarvek
