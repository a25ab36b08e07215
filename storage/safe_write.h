#pragma once

#include <string>

namespace zarvek {

// The name of the temporary file beside `path` that WriteFileSafely writes first. It is fixed, so
// a temporary file left behind by a crash is reused and removed by the next write.
std::string TemporaryPathFor(const std::string& path);

// Stores `bytes` as the whole content of the file at `path` so that no failure leaves that file
// empty, incomplete or lost: the bytes go to TemporaryPathFor(path), are flushed to the disk, and
// then replace the file at `path` in one step. Throws FileSystemError when anything fails; the
// file at `path` is then exactly as it was and no temporary file is left behind.
void WriteFileSafely(const std::string& path, const std::string& bytes);

}  // namespace zarvek
