// zarvek-grid check, make and add, run as a program on temporary files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "zarvek_grid_fixture.h"

namespace zarvek {
namespace {

using namespace testing_support;
using Args = std::vector<std::string>;

// The two parts of the checked-in expected files, as typed. Part 1 shows the rounding chain:
// 100.00049 leaves its field as 100.0005 and is stored as 100.001; 0,1,1 is rewritten as 0.70711
// and stored as 0.7071100; a comma in the name is stored as a point.
const Args kPartOne = {
    "--p1",    "0,0,0,0,0,5", "--p2",   "100.00049,0,0,0,1,1", "--p3", "30,80,-0.00001,0,0,1",
    "--probe", "6.35",        "--name", "Bracket, A"};
// Part 2: a name outside ASCII with a trailing blank, the same diameter written otherwise.
const Args kPartTwo = {"--p1",   "-10,0,5.1249,0,0,1",  "--p2",    "110,0,5.1249,0,0,1",
                       "--p3",   "20,95,5.1249,-1,1,1", "--probe", "6.350",
                       "--name", "Bügel rechts "};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class PatternCommands : public ZarvekGridTest {
  protected:
    std::string Grid() const { return File("Gridfile.dat"); }
    Args Make(const Args& part) { return Join(Join({"make"}, part), {"--file", Grid()}); }
    Args Add(const Args& part) { return Join(Join({"add"}, part), {"--file", Grid()}); }
};

TEST_F(PatternCommands, CheckPrintsTheDirectionsAsTheFieldsShowThem) {
    const auto result =
        Run({"check", "--p1", "0,0,0,0,0,5", "--p2", "100,0,0,0,1,1", "--p3", "30,80,0,0,0,1"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "0.00000,0.00000,1.00000\n0.00000,0.70711,0.70711\n0.00000,0.00000,1.00000\n"
              "Pattern is Good!\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(PatternCommands, MakeThenAddWriteTheExpectedBytes) {
    const auto made = Run(Make(kPartOne));
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_EQ(ReadBytes(Grid()), TestData("cli_make_expected.dat"));
    const auto added = Run(Join(Add(kPartTwo), {"--yes"}));
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(ReadBytes(Grid()), TestData("cli_add_expected.dat"));
}

// Each refusal exits with its status and message, prints nothing on standard output and leaves
// the grid file as it was (or absent) and the installed one absent.
struct Refusal {
    const char* fault;
    const char* file;   // the grid file's text first, if any; MADE: cli_make_expected.dat, FULL:
                        // a file of 32767 parts
    const char* words;  // split at blanks; see Words
    int exitCode;
    const char* message;

    // Test names and failures show the fault, not the bytes of the case.
    friend void PrintTo(const Refusal& c, std::ostream* os) { *os << c.fault; }
};

class Refusals : public PatternCommands, public testing::WithParamInterface<Refusal> {
  protected:
    // SplitWords(text) where SEATS stands for PassingSeats(), PART1 for the first part as typed,
    // GRID for the grid file, NOFOLDER for a file in a folder that does not exist, EMPTY for an
    // empty word and BROKEN for a name with a line break.
    Args Words(const std::string& text) const {
        Args words;
        for (const std::string& word : SplitWords(text)) {
            words = word == "SEATS"      ? Join(words, PassingSeats())
                    : word == "PART1"    ? Join(words, kPartOne)
                    : word == "GRID"     ? Join(words, {Grid()})
                    : word == "NOFOLDER" ? Join(words, {File("no such folder/Gridfile.dat")})
                    : word == "EMPTY"    ? Join(words, {""})
                    : word == "BROKEN"   ? Join(words, {"A\nB"})
                                         : Join(words, {word});
        }
        return words;
    }
    std::string Before() const {
        const std::string file = GetParam().file;
        return file == "MADE"   ? TestData("cli_make_expected.dat")
               : file == "FULL" ? GeneratedGridFile(32767)
                                : file;
    }
};

TEST_P(Refusals, ExitWithTheMessageAndWriteNothing) {
    const std::string before = Before();
    if (!before.empty()) {
        WriteBytes(Grid(), before);
    }
    const auto result = Run(Words(GetParam().words));
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    EXPECT_TRUE(Contains(result.err, GetParam().message)) << result.err;
    EXPECT_EQ(result.out, "");
    if (before.empty()) {
        EXPECT_FALSE(std::filesystem::exists(Grid()));
    } else {
        EXPECT_EQ(ReadBytes(Grid()), before);
    }
    EXPECT_FALSE(std::filesystem::exists(InstalledGridFile()));
}

const char kAddA[] = "add SEATS --probe 6 --name A --yes --file GRID";

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    testing::Values(
        Refusal{"LengthsTooAlike", "",
                "check --p1 0,0,0,0,0,1 --p2 100,0,0,0,0,1 --p3 50,86.6,0,0,0,1", 1,
                "Length Check: The Length Between Points 1-2, and Points 2-3 Need to be Different"},
        Refusal{"LeftHandRotation", "",
                "check --p1 0,0,0,0,0,-1 --p2 100,0,0,0,0,-1 --p3 30,80,0,0,0,-1", 1,
                "Pattern is NOT Right Hand Rotation: Pattern MUST be Right Hand Rotation"},
        Refusal{"SeatTwoHasNoDirection", "",
                "check --p1 0,0,0,0,0,2 --p2 100,0,0,0,0,0 --p3 30,80,0,0,0,1", 1,
                "The Vector of Point Two is Not a Vector"},
        Refusal{"NarrowSpreadNotAccepted", "",
                "check --p1 0,0,0,0,0,1 --p2 100,0,0,0,0,1 --p3 0,50,0,0,0,1", 1,
                "Insufficient Spread: The Distance Between Point 3 and a Line Between Points 1 "
                "and 2 is Too Narrow\nzarvek-grid: Not accepted; --accept-spread accepts this "
                "pattern anyway."},
        Refusal{"EmptyName", "", "make SEATS --probe 6 --name EMPTY --file GRID", 1,
                "Insufficient Data!: All Text Boxes Must be Filled In"},
        Refusal{"NameWithLineBreak", "", "make SEATS --probe 6 --name BROKEN --file GRID", 1,
                "The part name contains a line break"},
        Refusal{"NameTheFileCannotHold", "", "make SEATS --probe 6 --name Ω --file GRID", 1,
                "Part Name Not Possible: The part name holds \"Ω\" (U+03A9), which"},
        Refusal{"DiameterDiffersFromTheFile", "MADE",
                "add SEATS --probe 3 --name A --yes --file GRID", 1,
                "The Probe Diameter for the New Part Needs to be:6.350000\n"},
        Refusal{"LengthsRepeatThoseOfTheFile", "MADE", "add PART1 --yes --file GRID", 1,
                "Redundant Lengths!: More Than Two of the Lengths Match Lengths Already in"},
        Refusal{"FullGridFile", "FULL", kAddA, 1, "already holds 32767 parts"},
        Refusal{"AddToMissingFile", "", kAddA, 3,
                "No Zarvek File Exists!  Make a Zarvek File First!"},
        Refusal{"AddToFileWithoutMarker", "no marker\r\n1 3 1.5 6 4", kAddA, 3,
                "is not a Zarvek file"},
        Refusal{"AddToMalformedFile", "$$\r\n1 3 1.5 6 4\r\nPart A\r\n\t1\t2\r\n\t1\r\n\t1", kAddA,
                3, "line 4: expected six tab-separated"},
        Refusal{"WriteIntoMissingFolder", "", "make SEATS --probe 6 --name A --file NOFOLDER", 3,
                "could not be written"}),
    [](const auto& info) { return std::string(info.param.fault); });

TEST_F(PatternCommands, AcceptedSpreadPassesWithTheVerdictShown) {
    const auto result = Run({"check", "--p1", "0,0,0,0,0,1", "--p2", "100,0,0,0,0,1", "--p3",
                             "0,50,0,0,0,1", "--accept-spread"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(result.out, "Pattern is Good!"));
    EXPECT_TRUE(Contains(result.err, "Too Narrow\nzarvek-grid: Accepted with --accept-spread."));
}

// How the replace question is answered, and what is then on disk.
struct Replace {
    const char* fault;
    bool yes;
    bool terminal;
    std::string typed;
    int exitCode;
    const char* message;

    // Test names and failures show the fault, not the bytes of the case.
    friend void PrintTo(const Replace& c, std::ostream* os) { *os << c.fault; }
};

class ReplaceQuestion : public PatternCommands, public testing::WithParamInterface<Replace> {};

TEST_P(ReplaceQuestion, ReplacesOnlyWhenConfirmed) {
    WriteBytes(Grid(), TestData("worked_example.dat"));
    Args arguments = Make(kPartOne);
    if (GetParam().yes) {
        arguments.push_back("--yes");
    }
    Settings settings;
    settings.terminal = GetParam().terminal;
    settings.input = GetParam().typed;
    const auto result = Run(arguments, settings);
    EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
    EXPECT_TRUE(Contains(result.err, GetParam().message)) << result.err;
    EXPECT_EQ(ReadBytes(Grid()),
              TestData(GetParam().exitCode == 0 ? "cli_make_expected.dat" : "worked_example.dat"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceQuestion,
    testing::Values(Replace{"WithoutTerminalNothingIsReplaced", false, false, "y\n", 4,
                            "exists and was not replaced; nothing was written. Give --yes"},
                    Replace{"NoOnTheTerminal", false, true, "n\n", 4,
                            "was not replaced; nothing was written"},
                    Replace{"YesOnTheTerminal", false, true, "y\n", 0, "was written"},
                    Replace{"YesFlag", true, false, "", 0, "was written"}),
    [](const auto& info) { return std::string(info.param.fault); });

TEST_F(PatternCommands, HostLibraryIsCalledAfterEveryWriteAndOnlyThen) {
    InstallFakeHost(installFolder());
    ASSERT_EQ(Run(Make(kPartOne)).exitCode, 0);
    EXPECT_EQ(Run(Join(Add(kPartOne), {"--yes"})).exitCode, 1);  // redundant lengths
    EXPECT_EQ(Pushes(), 1);
    EXPECT_EQ(Run(Join(Add(kPartTwo), {"--yes"})).exitCode, 0);
    EXPECT_EQ(Pushes(), 2);
}

TEST_F(PatternCommands, InstalledGridFileComesFromTheRegistry) {
    const auto result = Run(Join({"make"}, kPartOne));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(ReadBytes(InstalledGridFile()), TestData("cli_make_expected.dat"));
}

TEST_F(PatternCommands, NoInstalledFolderWritesNothingInTheCurrentFolder) {
    WriteRegistry("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n");
    const TemporaryFolder current;
    Settings settings;
    settings.workingFolder = current.path().string();
    const auto result =
        Run(Join(Join({"make"}, PassingSeats()), {"--probe", "6", "--name", "A"}), settings);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(Contains(result.err,
                         "Error: ERROR: Cannot Find Registry Entry For Active Armdata Folder! "
                         "Ensure Quadrel Is Correctly Installed.\n"));
    EXPECT_TRUE(Contains(result.err, "Name the file with --file PATH."));
    EXPECT_TRUE(std::filesystem::is_empty(current.path()));
}

TEST_F(PatternCommands, MessagesFollowTheGermanInterface) {
    ASSERT_EQ(Run(Make(kPartOne)).exitCode, 0);
    Settings german;
    german.language = "de_DE.UTF-8";
    const auto refused = Run(Join(Add(kPartOne), {"--yes"}), german);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(Contains(refused.err,
                         "Längen überbestimmt!: Mehr als 2 der Längen sind bereits in der Zarvek "
                         "Datei vorhanden\n"));
    const auto checked = Run(Join({"check"}, PassingSeats()), german);
    EXPECT_TRUE(Contains(checked.out, "Anordnung ist OK!\n"));
    const auto usage = Run({"check", "--p1", "0,0,0,0,0,1", "--p2", "1,0,0,0,0,1"}, german);
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_EQ(usage.err,
              "zarvek-grid: Die Option --p3 fehlt. \"zarvek-grid --help\" zeigt den Aufruf.\n");
}

}  // namespace
}  // namespace zarvek
