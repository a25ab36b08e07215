// Make and Add when the disk fills up in the middle of the write, and in a folder the operator may
// not write to. Both are staged in a child process: a file-size limit stands in for the full
// disk, and a child running as root gives up its rights first (root would ignore the folder's
// permissions). Each fault must leave every file as it was, show one message and end WriteFailed.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "storage/grid_file_lock.h"
#include "strings/window_string_ids.h"
#include "write_command_bench.h"

namespace zarvek {
namespace {

using testing_support::FolderSnapshot;
using testing_support::WriteCommandBench;

constexpr int kSkipped = 77;

// What the child saw: the command's outcome and the titles of the boxes shown, or that the
// fault could not be staged on this machine.
struct ChildReport {
    bool skipped = false;
    int outcome = -1;
    std::string titles;
};

// Runs `prepare` (which may end the child with kSkipped) and then the command in a child process.
ChildReport RunInChild(WriteCommandBench& bench, bool add, const std::function<void()>& prepare) {
    int channel[2];
    if (::pipe(channel) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        prepare();
        const int outcome = static_cast<int>(bench.Run(add));
        std::string report = std::to_string(outcome) + "\n";
        for (const std::string& title : bench.Titles()) {
            report += title + "\n";
        }
        const bool sent = ::write(channel[1], report.data(), report.size()) ==
                          static_cast<ssize_t>(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string received;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        received.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ChildReport report;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kSkipped) {
        report.skipped = true;
        return report;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child failed";
    const auto lineEnd = received.find('\n');
    if (lineEnd != std::string::npos) {
        report.outcome = std::stoi(received.substr(0, lineEnd));
        report.titles = received.substr(lineEnd + 1);
    }
    return report;
}

// A disk that fills up after 100 bytes: every grid file below is larger.
void FillTheDiskAt100Bytes(const std::filesystem::path&) {
    std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// Runs on as a user without root's rights; ends the child as skipped where that is impossible,
// or where the folder still takes new files.
void LoseTheRightToWrite(const std::filesystem::path& folder) {
    if (::geteuid() == 0) {
        const gid_t nogroup = 65534;
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nogroup) != 0 || ::setuid(nobody) != 0) {
            ::_exit(kSkipped);
        }
    }
    const std::string probe = (folder / "probe").string();
    if (::access(folder.c_str(), W_OK) == 0 || ::mkdir(probe.c_str(), 0700) == 0) {
        ::rmdir(probe.c_str());
        ::_exit(kSkipped);
    }
}

struct PosixFault {
    const char* fault;
    bool add;
    bool readOnlyFolder;  // the folder loses its write permission (else the disk fills up)
    bool lockFileThere;   // a lock file from an earlier write is already there
    bool asksFirst;       // the replace question comes before the failure
};

void PrintTo(const PosixFault& c, std::ostream* out) {
    *out << c.fault;
}

class WriteCommandPosixFault : public testing::TestWithParam<PosixFault> {};

TEST_P(WriteCommandPosixFault, LeavesEveryFileAsItWasAndSaysTheFileWasNotWritten) {
    const PosixFault& c = GetParam();
    WriteCommandBench bench;
    bench.InstallGridFile(3);
    const std::filesystem::path folder = bench.folder.path();
    if (c.lockFileThere) {
        const GridFileLock earlier(bench.path);
    }
    testing_support::WriteBytes(folder / "Gridfile.dat.bak", "the write before");
    const auto before = FolderSnapshot(folder);
    if (c.readOnlyFolder) {
        std::filesystem::permissions(
            folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                        std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                        std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
    }
    bench.dialogs.answers = {Answer::Yes};

    const ChildReport report = RunInChild(bench, c.add, [&] {
        c.readOnlyFolder ? LoseTheRightToWrite(folder) : FillTheDiskAt100Bytes(folder);
    });

    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                    std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                    std::filesystem::perms::others_exec);
    if (report.skipped) {
        GTEST_SKIP() << "this machine does not enforce folder permissions for the test";
    }
    EXPECT_EQ(report.outcome, static_cast<int>(WriteCommandOutcome::WriteFailed));
    EXPECT_EQ(FolderSnapshot(folder), before);
    const std::string expectedTitle = LookupString(kCannotWriteGridFileTitle, Language::English);
    const std::string replaceTitle = LookupString(kFileExistsTitle, Language::English);
    EXPECT_EQ(report.titles, (c.asksFirst ? replaceTitle + "\n" : "") + expectedTitle + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteCommandPosixFault,
    // Without a lock file in a read-only folder the lock cannot be made, so the command stops
    // before it asks; with one, the lock works and the temporary file is what cannot be made.
    testing::Values(PosixFault{"MakeWhenTheDiskFillsUp", false, false, true, true},
                    PosixFault{"AddWhenTheDiskFillsUp", true, false, true, true},
                    PosixFault{"MakeInAReadOnlyFolder", false, true, false, false},
                    PosixFault{"AddInAReadOnlyFolder", true, true, false, false},
                    PosixFault{"MakeInAReadOnlyFolderWithALockFile", false, true, true, true},
                    PosixFault{"AddInAReadOnlyFolderWithALockFile", true, true, true, true}),
    [](const testing::TestParamInfo<PosixFault>& info) { return std::string(info.param.fault); });

}  // namespace
}  // namespace zarvek
