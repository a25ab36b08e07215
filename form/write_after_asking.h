#pragma once

#include "form/command_context.h"
#include "form/write_commands.h"
#include "model/grid_file.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"

namespace zarvek {

// The end of Make and Add: writes `gridFile` to the file `lock` guards (the context's grid-file
// path), taking the lock over and holding it across the question and the write (GridFileWrite).
// - Content no grid file can hold, and then a folder at the path, throw GridFileError before
//   anything is asked or touched.
// - When a file is at the path, asks through the context's dialogs whether to replace it: string
//   1066, title 1067, Yes and No, no icon, Yes the default, in the context's language. On No
//   returns Declined: nothing is touched and the host library is not called.
// - Otherwise stores the file and returns Written; the context's host library has then been
//   called once, after the lock was dropped, and the context is told what was written as `kind`
//   (Make or Add): the last part of `gridFile` is the part written. Throws GridFileError when
//   the file cannot be written (the file is as it was, the host library not called).
WriteCommandOutcome WriteAfterAsking(const GridFile& gridFile, GridFileLock lock,
                                     const CommandContext& context, WriteKind kind);

// The same for Add: the scanned file with the new part appended, which is the part written.
WriteCommandOutcome WriteAfterAsking(GridFileAppend append, GridFileLock lock,
                                     const CommandContext& context);

}  // namespace zarvek
