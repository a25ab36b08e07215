// Remove Part and Restore Previous Grid File: the questions, what they change and what they
// refuse, against files on disk.
#include "form/correction_commands.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "spread_parts.h"
#include "storage/grid_file_io.h"
#include "storage/safe_write.h"
#include "strings/window_string_ids.h"
#include "support/recording_dialogs.h"
#include "write_command_bench.h"

namespace zarvek {
namespace {

using namespace testing_support;

// Dialogs whose questions run `whileAsking` first, as another writer at work while the operator
// reads the question.
class BusyWorldDialogs final : public RecordingDialogs {
  public:
    Answer Ask(const Message& message) override {
        if (whileAsking) {
            whileAsking();
        }
        return RecordingDialogs::Ask(message);
    }
    std::function<void()> whileAsking;
};

class CorrectionCommands : public testing::Test {
  protected:
    std::string Install(int parts) const {
        const std::string bytes = GridFileBytes(SpreadGridFile(0, parts));
        WriteBytes(path, bytes);
        return bytes;
    }
    std::string Text(int id) const { return LookupString(id, context.language); }

    TemporaryFolder folder;
    std::string path = folder.File("Gridfile.dat");
    BusyWorldDialogs dialogs;
    CommandContext context{dialogs, Language::English, NumberLocale{".", ","}, path,
                           std::chrono::milliseconds(50)};
};

TEST_F(CorrectionCommands, RemoveAsksNamingThePartWithNoAsTheDefault) {
    const std::string before = Install(3);
    dialogs.answers = {Answer::No};
    EXPECT_EQ(RemovePartAfterAsking(context, 2, SpreadPart(1)), CorrectionOutcome::Declined);
    const Message asked{"Remove part 2 \"Spread 1\" from the Zarvek file?\r\n" + path +
                            "\r\nThe file as it is now is kept as its backup: restoring the "
                            "previous Zarvek file brings the part back.",
                        "Remove Part",
                        Buttons::YesNo,
                        Icon::Question,
                        Answer::No,
                        kRemovePartQuestion};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{asked});
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
}

TEST_F(CorrectionCommands, RemoveThenRestoreGivesBackTheFileAndRestoringAgainTheRemoval) {
    const std::string before = Install(3);
    dialogs.answers = {Answer::Yes};
    ASSERT_EQ(RemovePartAfterAsking(context, 1, SpreadPart(0)), CorrectionOutcome::Done);
    const std::string removed = ReadBytes(path);
    EXPECT_EQ(MakeGridFileObj(path)->Parts.Count(), 2u);

    dialogs.answers = {Answer::Yes, Answer::Yes};
    ASSERT_EQ(RestorePreviousGridFile(context), CorrectionOutcome::Done);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), removed);
    ASSERT_EQ(RestorePreviousGridFile(context), CorrectionOutcome::Done);
    EXPECT_EQ(ReadBytes(path), removed);
    EXPECT_EQ(dialogs.messages.size(), 3u);  // the three questions, nothing else
}

// Another window removes the first part while the operator reads the question: part 2 is now
// another part.
TEST_F(CorrectionCommands, PartMovedWhileTheQuestionWasOpenIsNotRemoved) {
    Install(3);
    GridFile changedFile = SpreadGridFile(0, 3);
    changedFile.Parts.Remove(1);
    const std::string changed = GridFileBytes(changedFile);
    dialogs.whileAsking = [&] { WriteBytes(path, changed); };
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(RemovePartAfterAsking(context, 2, SpreadPart(1)), CorrectionOutcome::PartNotThere);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    const Message refusal{"The Zarvek file " + path +
                              " has changed since it was read: part 2 is no longer \"Spread 1\". "
                              "No part was removed.",
                          "Part Not Removed",
                          Buttons::Ok,
                          Icon::Exclamation,
                          Answer::Ok,
                          kPartNoLongerThere};
    EXPECT_EQ(dialogs.messages[1], refusal);
    EXPECT_EQ(ReadBytes(path), changed);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
}

TEST_F(CorrectionCommands, RestoreQuestionSaysWhatComesBackInTheOperatorsLanguage) {
    Install(3);
    GridFile two = SpreadGridFile(0, 2);
    WriteBytes(BackupPathFor(path), GridFileBytes(two));
    context.language = Language::German;
    dialogs.answers = {Answer::No};
    EXPECT_EQ(RestorePreviousGridFile(context), CorrectionOutcome::Declined);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const Message& asked = dialogs.messages[0];
    EXPECT_TRUE(asked.prompt.starts_with("Die vorherige Zarvek Datei wiederherstellen?\r\n" + path +
                                         "\r\nDie Sicherung wurde am "))
        << asked.prompt;
    EXPECT_NE(asked.prompt.find(" gespeichert; Anzahl der Werkstücke: 2."), std::string::npos)
        << asked.prompt;
    // The date as German writes it: 31.12.2024 23:59.
    const std::size_t on = asked.prompt.find(" am ") + 4;
    EXPECT_EQ(asked.prompt.substr(on + 2, 1) + asked.prompt.substr(on + 5, 1) +
                  asked.prompt.substr(on + 13, 1),
              "..:")
        << asked.prompt;
    EXPECT_EQ(asked.title, "Vorherige Zarvek Datei wiederherstellen");
    EXPECT_EQ(asked.defaultButton, Answer::No);
    EXPECT_EQ(asked.icon, Icon::Question);
    EXPECT_EQ(MakeGridFileObj(path)->Parts.Count(), 3u);
}

TEST_F(CorrectionCommands,
       RestoreRefusesAMissingOrUnreadableBackupWithOneMessageAndNothingChanged) {
    const struct {
        const char* backup;  // nullptr: none
        CorrectionOutcome outcome;
        int titleId;
    } rows[] = {{nullptr, CorrectionOutcome::NoBackup, kRestorePreviousGridFileTitle},
                {"Hello", CorrectionOutcome::ReadFailed, kCannotReadGridFileTitle},
                {"$$\r\n2 3 1.5 4 4\r\nPart A\r\n\t1", CorrectionOutcome::ReadFailed,
                 kCannotReadGridFileTitle}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.backup == nullptr ? "no backup" : row.backup);
        const std::string before = Install(2);
        std::filesystem::remove(BackupPathFor(path));
        if (row.backup != nullptr) {
            WriteBytes(BackupPathFor(path), row.backup);
        }
        dialogs.messages.clear();
        EXPECT_EQ(RestorePreviousGridFile(context), row.outcome);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].title, Text(row.titleId));
        EXPECT_EQ(ReadBytes(path), before);
    }
}

// Another writer replaces the file, and so its backup, while the operator reads the question.
TEST_F(CorrectionCommands, BackupReplacedWhileTheQuestionWasOpenIsNotRestored) {
    Install(2);
    WriteBytes(BackupPathFor(path), GridFileBytes(SpreadGridFile(0, 1)));
    bool replaced = false;
    dialogs.whileAsking = [&] {
        if (!std::exchange(replaced, true)) {
            WriteFileSafely(path, GridFileBytes(SpreadGridFile(0, 3)));
        }
    };
    dialogs.answers = {Answer::Yes};
    EXPECT_EQ(RestorePreviousGridFile(context), CorrectionOutcome::BackupChanged);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].title, "Restore Previous Grid File");
    EXPECT_EQ(MakeGridFileObj(path)->Parts.Count(), 3u);
}

}  // namespace
}  // namespace zarvek
