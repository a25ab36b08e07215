#pragma once

#include <cstddef>
#include <string>

#include "strings/string_table.h"

namespace zarvek {

// Which command wrote a grid file.
enum class WriteKind { Make, Add, Remove, Restore };

// What a command stored in a grid file, as it reports it once the file is written
// (CommandContext::written).
struct WrittenGridFile {
    WriteKind kind = WriteKind::Make;
    std::string path;            // the grid file written (UTF-8)
    std::string partName;        // Make, Add: the part written; Remove: the part removed
    std::size_t partNumber = 0;  // that part's place in the file, from 1; 0 for Restore
    std::size_t partCount = 0;   // Make, Add, Restore: the parts the file holds now; Remove: 0
    // A file was at the path and is now its backup (BackupPathFor). False: there was none (Make
    // into a new file, Restore into a missing one), and the backup, if any, is as it was.
    bool previousKept = false;
};

// The window's status line after a write: what was written into which file, and the backup's
// name (the file name of BackupPathFor(path), beside the file), in `language`. One line.
std::string StatusLineAfterWrite(const WrittenGridFile& written, Language language);

}  // namespace zarvek
