#pragma once

#include <string>

namespace zarvek {

// Writes `bytes` over the whole content of the existing file at `path`, cuts the file to their
// length and flushes it to the disk, through a handle that lets other programs go on reading and
// writing the file (Windows: FILE_SHARE_READ | FILE_SHARE_WRITE). It is the way to update a file
// that another program holds open so that it cannot be replaced (FileHeldOpenError), and it is
// not atomic: a reader may see a mix of old and new bytes meanwhile, and on failure the file may
// hold part of the new bytes, so the caller keeps a copy of the old content of its own to
// restore. The file keeps its identity (other names of it, hard links, change as well).
// Throws FileSystemError (platform/file_system.h) when the file cannot be opened for writing
// (nothing is at `path`: no file is created; another program refuses to share it for writing)
// or a write or the flush fails.
void OverwriteFileInPlace(const std::string& path, const std::string& bytes);

}  // namespace zarvek
