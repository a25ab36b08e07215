// zarvek-grid remove and restore, run as a program on temporary files.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "storage/safe_write.h"
#include "zarvek_grid_fixture.h"

namespace zarvek {
namespace {

using namespace testing_support;
using Args = std::vector<std::string>;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class RemoveAndRestoreCommands : public ZarvekGridTest {
  protected:
    std::string Grid() const { return File("Gridfile.dat"); }
    Args On(Args words) const { return Join(std::move(words), {"--file", Grid()}); }
};

// The checked-in files: cli_add_expected.dat is cli_make_expected.dat with a second part,
// "Bügel rechts ".
TEST_F(RemoveAndRestoreCommands, RemoveThenRestoreWriteTheExpectedBytesAndPushEach) {
    InstallFakeHost(installFolder());
    WriteBytes(Grid(), TestData("cli_add_expected.dat"));
    const auto removed = Run(On({"remove", "--name", "Bügel rechts ", "--yes"}));
    ASSERT_EQ(removed.exitCode, 0) << removed.err;
    EXPECT_EQ(removed.err, "zarvek-grid: Part 2 \"Bügel rechts \" was removed from the grid file " +
                               Grid() + ".\n");
    EXPECT_EQ(ReadBytes(Grid()), TestData("cli_make_expected.dat"));
    const auto restored = Run(On({"restore", "--yes"}));
    ASSERT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_EQ(ReadBytes(Grid()), TestData("cli_add_expected.dat"));
    EXPECT_EQ(ReadBytes(BackupPathFor(Grid())), TestData("cli_make_expected.dat"));
    EXPECT_EQ(Pushes(), 2);
}

// Each case leaves the file as it was, exits as make and add would and says why.
struct Unchanged {
    const char* fault;
    int exitCode;
    const char* message;
    const char* words;  // see SplitWords
    bool terminal = false;
    const char* typed = "";

    friend void PrintTo(const Unchanged& c, std::ostream* os) { *os << c.fault; }
};

class NothingChanges : public RemoveAndRestoreCommands,
                       public testing::WithParamInterface<Unchanged> {};

TEST_P(NothingChanges, ExitAsMakeAndAddAndSayWhy) {
    // Three parts, two of them named alike; no backup.
    const std::string bytes =
        TestData("cli_add_expected.dat") + "\r\nPart Bracket. A" +
        TestData("cli_make_expected.dat").substr(TestData("cli_make_expected.dat").find("\r\n\t"));
    WriteBytes(Grid(), bytes);
    Settings settings;
    settings.terminal = GetParam().terminal;
    settings.input = GetParam().typed;
    const auto result = Run(On(SplitWords(GetParam().words)), settings);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    EXPECT_TRUE(Contains(result.err, GetParam().message)) << result.err;
    EXPECT_EQ(ReadBytes(Grid()), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NothingChanges,
    testing::Values(Unchanged{"WithoutTerminalNothingIsRemoved", 4,
                              "Part 2 \"Bügel rechts \" was not removed from the grid file",
                              "remove --part 2", false, "y\n"},
                    Unchanged{"EnterOnTheTerminalMeansNo", 4,
                              "Remove part 1 \"Bracket. A\" from the Zarvek file?",
                              "remove --part 1", true, "\n"},
                    Unchanged{
                        "NameOfSeveralParts", 1,
                        "holds 2 parts named \"Bracket. A\" (parts 1, 3); nothing was removed.",
                        "remove --name Bracket._A --yes"},
                    Unchanged{"NoPartOfThatName", 1, "holds no part named \"Bracket\"",
                              "remove --name Bracket --yes"},
                    Unchanged{"NoPartOfThatNumber", 1, "holds 3 parts, so there is no part 4",
                              "remove --part 4 --yes"},
                    Unchanged{"RestoreWithoutABackup", 3, "has no backup", "restore --yes"}),
    [](const auto& info) { return std::string(info.param.fault); });

TEST_F(RemoveAndRestoreCommands, RestoreWithoutTerminalOrYesRestoresNothing) {
    WriteBytes(Grid(), TestData("cli_add_expected.dat"));
    WriteBytes(BackupPathFor(Grid()), TestData("cli_make_expected.dat"));
    const auto result = Run(On({"restore"}));
    EXPECT_EQ(result.exitCode, 4) << result.err;
    EXPECT_TRUE(Contains(result.err, "was not restored; nothing was changed. Give --yes"))
        << result.err;
    EXPECT_EQ(ReadBytes(Grid()), TestData("cli_add_expected.dat"));
}

}  // namespace
}  // namespace zarvek
