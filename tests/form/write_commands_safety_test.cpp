// Make and Add against a busy grid file, a folder in the file's place and a missing folder, and
// the backup they keep: each failure leaves every file as it was, shows one clear message and ends
// with its own outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "spread_parts.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/safe_write.h"
#include "strings/reliability_string_ids.h"
#include "strings/string_ids.h"
#include "strings/window_string_ids.h"
#include "write_command_bench.h"

namespace zarvek {
namespace {

using testing_support::FolderSnapshot;
using testing_support::WriteCommandBench;

std::string Title(int id) {
    return LookupString(id, Language::English);
}

// The lock held by another writer for as long as the command runs.
std::unique_ptr<GridFileLock> heldLock;

void HoldTheLock(WriteCommandBench& bench) {
    heldLock = std::make_unique<GridFileLock>(bench.path, std::chrono::milliseconds(0));
}

void PutAFolderInThePlace(WriteCommandBench& bench) {
    std::filesystem::remove(bench.path);
    std::filesystem::create_directories(std::filesystem::path(bench.path) / "inside");
    testing_support::WriteBytes(std::filesystem::path(bench.path) / "inside" / "kept", "kept");
}

void PointIntoAMissingFolder(WriteCommandBench& bench) {
    bench.path = (bench.folder.path() / "Armdata" / "Gridfile.dat").string();
    bench.context.gridFilePath = bench.path;
}

TEST(WriteCommandFault, LeavesEveryFileAsItWasAndSaysWhy) {
    using Stage = void (*)(WriteCommandBench&);  // stages the fault; may move the bench's path
    const struct {
        const char* fault;
        bool add;
        Stage stage;
        WriteCommandOutcome outcome;
        int titleId;
    } rows[] = {
        // clang-format off
        {"Make while another writer holds the file", false, HoldTheLock, WriteCommandOutcome::Busy, kGridFileBusyTitle},
        {"Add while another writer holds the file", true, HoldTheLock, WriteCommandOutcome::Busy, kGridFileBusyTitle},
        {"Make over a folder of the file's name", false, PutAFolderInThePlace, WriteCommandOutcome::WriteFailed, kCannotWriteGridFileTitle},
        {"Add to a folder of the file's name", true, PutAFolderInThePlace, WriteCommandOutcome::NoInstalledFile, kInsufficientDataTitle},
        {"Make in a folder that does not exist", false, PointIntoAMissingFolder, WriteCommandOutcome::WriteFailed, kCannotWriteGridFileTitle},
        {"Add in a folder that does not exist", true, PointIntoAMissingFolder, WriteCommandOutcome::NoInstalledFile, kInsufficientDataTitle},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fault);
        WriteCommandBench bench;
        bench.InstallGridFile();
        row.stage(bench);
        const auto before = FolderSnapshot(bench.folder.path());

        EXPECT_EQ(bench.Run(row.add), row.outcome);

        EXPECT_EQ(FolderSnapshot(bench.folder.path()), before);
        EXPECT_EQ(bench.Titles(), std::vector<std::string>{Title(row.titleId)});
        EXPECT_TRUE(bench.form.WriteGateOpen());
        heldLock.reset();
    }
}

class WriteCommandSafety : public testing::Test {
  protected:
    void TearDown() override { heldLock.reset(); }
    WriteCommandBench bench;
};

TEST_F(WriteCommandSafety, BusyMessageNamesTheFileAndTheWait) {
    bench.InstallGridFile();
    HoldTheLock(bench);
    bench.context.lockWait = std::chrono::milliseconds(200);
    bench.context.language = Language::German;
    bench.context.locale = NumberLocale{",", "."};
    ASSERT_EQ(bench.Run(true), WriteCommandOutcome::Busy);
    ASSERT_EQ(bench.dialogs.messages.size(), 1u);
    const Message& shown = bench.dialogs.messages[0];
    EXPECT_NE(shown.prompt.find(bench.path), std::string::npos) << shown.prompt;
    EXPECT_NE(shown.prompt.find("0,2 Sekunden"), std::string::npos) << shown.prompt;
    EXPECT_EQ(shown.title, LookupString(kGridFileBusyTitle, Language::German));
    EXPECT_EQ(shown.buttons, Buttons::Ok);
}

TEST_F(WriteCommandSafety, MakeMissingFolderMessageNamesThePath) {
    PointIntoAMissingFolder(bench);
    ASSERT_EQ(bench.Run(false), WriteCommandOutcome::WriteFailed);
    ASSERT_EQ(bench.dialogs.messages.size(), 1u);
    EXPECT_NE(bench.dialogs.messages[0].prompt.find(bench.path), std::string::npos)
        << bench.dialogs.messages[0].prompt;
    EXPECT_FALSE(std::filesystem::exists(bench.folder.path() / "Armdata"));
}

TEST_F(WriteCommandSafety, WrongYesToMakeCanBeUndoneFromTheBackup) {
    const std::string months = bench.InstallGridFile(5);
    bench.dialogs.answers = {Answer::Yes};
    ASSERT_EQ(bench.Run(false), WriteCommandOutcome::Written);
    EXPECT_EQ(testing_support::ReadBytes(BackupPathFor(bench.path)), months);
    EXPECT_EQ(MakeGridFileObj(bench.path)->Parts.Count(), 1u);
}

TEST_F(WriteCommandSafety, AddKeepsTheFileBeforeTheAddAsBackup) {
    const std::string before = bench.InstallGridFile(3);
    bench.dialogs.answers = {Answer::Yes};
    ASSERT_EQ(bench.Run(true), WriteCommandOutcome::Written);
    EXPECT_EQ(testing_support::ReadBytes(BackupPathFor(bench.path)), before);
    EXPECT_EQ(MakeGridFileObj(bench.path)->Parts.Count(), 4u);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(bench.path)));
}

TEST_F(WriteCommandSafety, DeclinedReplaceMakesNoBackup) {
    bench.InstallGridFile();
    const auto before = FolderSnapshot(bench.folder.path());
    bench.dialogs.answers = {Answer::No};
    ASSERT_EQ(bench.Run(true), WriteCommandOutcome::Declined);
    EXPECT_EQ(FolderSnapshot(bench.folder.path()), before);
}

// A second writer trying the lock while the replace question waits for the operator.
class LockProbingDialogs final : public Dialogs {
  public:
    explicit LockProbingDialogs(std::string path) : path_(std::move(path)) {}
    Answer Ask(const Message& message) override {
        try {
            const GridFileLock second(path_, std::chrono::milliseconds(0));
            secondWriterGotIn = true;
        } catch (const GridFileBusyError&) {
        }
        return message.defaultButton;
    }
    void Beep() override {}
    std::optional<std::string> OpenFile(const std::string&, const std::string&,
                                        const std::string&) override {
        return std::nullopt;
    }
    bool secondWriterGotIn = false;

  private:
    std::string path_;
};

TEST_F(WriteCommandSafety, NoOtherWriterGetsInBetweenTheReadAndTheWriteOfAdd) {
    bench.InstallGridFile();
    for (const bool add : {true, false}) {
        LockProbingDialogs probe(bench.path);
        CommandContext context{probe, Language::English, NumberLocale{".", ","}, bench.path,
                               std::chrono::milliseconds(50)};
        const auto outcome =
            add ? AddToGridFile(bench.form, context) : MakeGridFile(bench.form, context);
        EXPECT_EQ(outcome, WriteCommandOutcome::Written) << (add ? "Add" : "Make");
        EXPECT_FALSE(probe.secondWriterGotIn) << (add ? "Add" : "Make");
    }
}

}  // namespace
}  // namespace zarvek
