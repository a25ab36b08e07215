#pragma once

#include <optional>
#include <string>

#include "common/dialogs.h"
#include "model/grid_file.h"
#include "storage/host_library.h"
#include "strings/string_table.h"

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

class GridFileLock;

// Writes `gridFile` to `path` in the grid-file format.
// - Content that no grid file can hold (see GridFileBytes) throws GridFileError before anything is
//   asked or touched.
// - Takes the grid file's lock (GridFileLock, waiting up to kGridFileLockWait for another writer)
//   and keeps it until the new file is in place. Throws GridFileBusyError when another writer
//   still holds it after the wait, GridFileError when the lock file cannot be made (the folder
//   is missing or not writable); nothing is asked or touched then. A caller that already holds
//   the lock, such as Add from its read to its write, must use the overloads below, which take
//   the lock as proof instead: these ones would wait for the caller's own lock and fail busy.
// - A folder at `path` throws GridFileError before anything is asked.
// - When a file exists at `path`, asks through `dialogs` (string 1066, title 1067, Yes/No, no
//   icon, default Yes, in `language`); on No nothing is touched and the host library is not
//   called.
// - The text goes to a temporary file beside `path` ("Gridfile.dat.tmp"), is flushed to the disk,
//   the file it replaces is kept as "Gridfile.dat.bak" (one generation; see WriteFileSafely), and
//   the temporary file then replaces the file at `path` in one step. Throws GridFileError when
//   the file cannot be written; the file at `path` is then left exactly as it was, no temporary
//   file remains and the host library is not called.
// - After a successful write, calls the host library's QDL_SaveArmspecs with every failure of
//   that call suppressed (after the lock has been dropped).
WriteOutcome WriteGridFile(const GridFile& gridFile, const std::string& path, Dialogs& dialogs,
                           Language language);

// As above, pushing through `hostLibrary` instead of the process's InstalledHostLibrary().
WriteOutcome WriteGridFile(const GridFile& gridFile, const std::string& path, Dialogs& dialogs,
                           Language language, HostLibrary& hostLibrary);

// As above, for a caller that holds `lock` and keeps holding it until this returns: writes the
// grid file the lock guards (lock.GridFilePath()) and takes no lock of its own.
WriteOutcome WriteGridFile(const GridFile& gridFile, const GridFileLock& lock, Dialogs& dialogs,
                           Language language);
WriteOutcome WriteGridFile(const GridFile& gridFile, const GridFileLock& lock, Dialogs& dialogs,
                           Language language, HostLibrary& hostLibrary);

// The exact bytes WriteGridFile stores for `gridFile` (single-byte code page, CR LF between lines,
// none at the end). Throws GridFileError for content no grid file can hold: more than 32767
// parts, a part name with a line break, a value that is not finite.
std::string GridFileBytes(const GridFile& gridFile);

// Reads the grid file at `path`. Returns no grid file when line 1 holds no "$". Throws
// GridFileError for a missing or unreadable file and for every malformed line, naming the line.
std::optional<GridFile> MakeGridFileObj(const std::string& path);

}  // namespace zarvek
