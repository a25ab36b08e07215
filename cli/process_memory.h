#pragma once

namespace zarvek::cli {

// Sets up the process's memory for what the tool does: read, hold and write a grid file of up to
// some 6 MB at once, and end. Where the system allows it (Linux), large blocks come from the heap
// and stay with the process once freed, so the next one reuses them, and the heap's first 48 MB
// are backed by large pages where the system grants them, so that touching fresh memory costs a
// fault per 2 MB rather than per 4 KB. Elsewhere it does nothing. Call once, first thing in main.
// Changes no result; never fails.
void PrepareProcessMemory();

}  // namespace zarvek::cli
