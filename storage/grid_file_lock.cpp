#include "storage/grid_file_lock.h"

#include <algorithm>
#include <thread>

namespace zarvek {
namespace {

// Short enough that a waiting writer follows the holder almost at once, long enough not to
// busy the machine for the seconds a writer may wait.
constexpr std::chrono::milliseconds kPollInterval{10};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Seconds(std::chrono::milliseconds duration) {
    const auto tenths = (duration.count() + 50) / 100;
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += "." + std::to_string(tenths % 10);
    }
    return text;
}

std::unique_ptr<LockFile> OpenLockFile(const std::string& gridFilePath) {
    try {
        return std::make_unique<LockFile>(LockPathFor(gridFilePath));
    } catch (const FileSystemError& error) {
        throw GridFileError("The grid file " + Quoted(gridFilePath) +
                            " was not written and nothing was changed: " + error.what() + ".");
    }
}

}  // namespace

std::string LockPathFor(const std::string& gridFilePath) {
    return gridFilePath + ".lock";
}

GridFileBusyError::GridFileBusyError(std::string gridFilePath, std::chrono::milliseconds waited)
    : GridFileError("The grid file " + Quoted(gridFilePath) +
                    " is being changed by another program or window; it was still busy after " +
                    Seconds(waited) + " seconds, so nothing was read or written."),
      gridFilePath_(std::move(gridFilePath)),
      waited_(waited) {}

GridFileLock::GridFileLock(const std::string& gridFilePath, std::chrono::milliseconds wait,
                           const LockWaitNotice& notice)
    : gridFilePath_(gridFilePath), file_(OpenLockFile(gridFilePath)) {
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + wait;
    bool notified = !notice.notify;
    for (;;) {
        try {
            if (file_->TryLock()) {
                return;
            }
        } catch (const FileSystemError& error) {
            throw GridFileError("The grid file " + Quoted(gridFilePath) +
                                " was not written and nothing was changed: " + error.what() + ".");
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            throw GridFileBusyError(gridFilePath, wait);
        }
        if (!notified && now - start >= notice.after) {
            notified = true;
            notice.notify();
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kPollInterval, deadline - now));
    }
}

}  // namespace zarvek
