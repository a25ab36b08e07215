#pragma once

#include "form/command_context.h"
#include "storage/grid_file_lock.h"

namespace zarvek {

// Tells the operator that another window or program kept the grid file busy for the whole wait
// and that nothing was written (string 1200 with the path and the seconds waited, title 1201,
// OK button, exclamation icon, in the context's language). Returns once it is dismissed.
void ShowGridFileBusy(const CommandContext& context, const GridFileBusyError& error);

}  // namespace zarvek
