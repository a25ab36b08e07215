#pragma once

#include <optional>
#include <string>

#include "common/dialogs.h"
#include "model/grid_file.h"
#include "wizard/strings/string_table.h"

namespace zarvek {

// Failures of reading or writing a grid file. The message names the file and, for the reader,
// the line number and what was expected there.
class GridFileError : public Error {
  public:
    using Error::Error;
};

// The outcome of WriteGridFile.
enum class WriteOutcome {
    Written,   // the file holds the new text; the host library was asked to push the arm specs
    Declined,  // the operator answered No to the replace prompt; nothing was touched
};

// Writes `gridFile` to `path` in the grid-file format. When a file exists at `path`, first asks
// through `dialogs` (string 1066, title 1067, Yes/No, no icon, default Yes, in `language`); on No
// nothing is touched. After a successful write, calls the host library's QDL_SaveArmspecs with
// every failure of that call suppressed. Throws GridFileError when the file cannot be written; the
// file at `path` is then left as it was.
WriteOutcome WriteGridFile(const GridFile& gridFile, const std::string& path, Dialogs& dialogs,
                           Language language);

// The exact bytes WriteGridFile stores for `gridFile` (single-byte code page, CR LF between lines,
// none at the end).
std::string GridFileBytes(const GridFile& gridFile);

// Reads the grid file at `path`. Returns no grid file when line 1 holds no "$". Throws
// GridFileError for a missing or unreadable file and for every malformed line, naming the line.
std::optional<GridFile> MakeGridFileObj(const std::string& path);

}  // namespace zarvek
