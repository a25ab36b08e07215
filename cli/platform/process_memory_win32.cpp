#include "cli/process_memory.h"

namespace zarvek::cli {

// The Windows heap needs no preparation for the tool's few large blocks.
void PrepareProcessMemory() {}

}  // namespace zarvek::cli
