#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace zarvek::cli {
namespace {

using Words = std::vector<std::string>;

const Words kSeats = {"--p1", "0,0,0,0,0,1", "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1"};

Words With(Words words, const Words& more) {
    words.insert(words.end(), more.begin(), more.end());
    return words;
}

// `command` with the three seats of kSeats, then `more`.
Words Seated(const char* command, const Words& more) {
    return With(With({command}, kSeats), more);
}

Invocation CheckOf(std::array<SeatTexts, 3> seats) {
    Invocation invocation;
    invocation.command = Command::Check;
    invocation.seats = std::move(seats);
    return invocation;
}

const std::array<SeatTexts, 3> kSeatTexts = {SeatTexts{"0", "0", "0", "0", "0", "1"},
                                             SeatTexts{"100", "0", "0", "0", "0", "1"},
                                             SeatTexts{"30", "80", "0", "0", "0", "1"}};

struct Accepted {
    const char* fault;
    Words words;
    Invocation expected;

    // Test names and failures show the fault, not the bytes of the case.
    friend void PrintTo(const Accepted& c, std::ostream* os) { *os << c.fault; }
};

class AcceptedCommandLines : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedCommandLines, ReadAsMeant) {
    const auto parsed = ParseArguments(GetParam().words);
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed))
        << "refused with text " << std::get<UsageError>(parsed).text;
    EXPECT_EQ(std::get<Invocation>(parsed), GetParam().expected);
}

Invocation Write(Command command, std::string probe, std::string name,
                 std::optional<std::string> file = std::nullopt, bool yes = false,
                 bool acceptSpread = false) {
    Invocation invocation = CheckOf(kSeatTexts);
    invocation.command = command;
    invocation.probe = std::move(probe);
    invocation.name = std::move(name);
    invocation.file = std::move(file);
    invocation.yes = yes;
    invocation.acceptSpread = acceptSpread;
    return invocation;
}

Invocation Removal(std::optional<int> part, std::string name, bool yes = false) {
    Invocation invocation;
    invocation.command = Command::Remove;
    invocation.part = part;
    invocation.name = std::move(name);
    invocation.yes = yes;
    return invocation;
}

Invocation Reader(Command command, std::optional<std::string> file, bool json = false) {
    Invocation invocation;
    invocation.command = command;
    invocation.file = std::move(file);
    invocation.json = json;
    return invocation;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptedCommandLines,
    testing::Values(
        Accepted{"SeatsInAnyOrder",
                 {"check", "--p3", "30,80,0,0,0,1", "--p1", "0,0,0,0,0,1", "--p2", "100,0,0,0,0,1"},
                 CheckOf(kSeatTexts)},
        Accepted{"ValuesKeptAsTyped",
                 {"check", "--p1", "-0.50,.5,5.,-.5,0,1", "--p2", "100,0,0,0,0,1", "--p3",
                  "30,80,0,0,0,1"},
                 CheckOf({SeatTexts{"-0.50", ".5", "5.", "-.5", "0", "1"}, kSeatTexts[1],
                          kSeatTexts[2]})},
        Accepted{"OptionWithEqualsSign",
                 {"check", "--p1=0,0,0,0,0,1", "--p2=100,0,0,0,0,1", "--p3", "30,80,0,0,0,1"},
                 CheckOf(kSeatTexts)},
        Accepted{"ValueBeginningWithMinusIsAValue",
                 Seated("make", {"--name", "--yes", "--probe", "-6"}),
                 Write(Command::Make, "-6", "--yes")},
        Accepted{"HelpWordAsValueIsAValue", Seated("add", {"--name", "--help", "--probe", "6"}),
                 Write(Command::Add, "6", "--help")},
        Accepted{"EmptyProbeAndNameAreLeftToTheBlankTest",
                 Seated("make", {"--probe", "", "--name", ""}), Write(Command::Make, "", "")},
        Accepted{"NameKeptExactly", Seated("make", {"--probe", "6", "--name", " A,\tB "}),
                 Write(Command::Make, "6", " A,\tB ")},
        Accepted{"EveryWriteOption",
                 Seated("add", {"--probe", "6", "--name", "A", "--file", "x.dat", "--yes",
                                "--accept-spread"}),
                 Write(Command::Add, "6", "A", "x.dat", true, true)},
        Accepted{
            "RemoveByNumber", {"remove", "--part", "32767", "--yes"}, Removal(32767, "", true)},
        Accepted{"RemoveByEmptyName", {"remove", "--name", ""}, Removal(std::nullopt, "")},
        Accepted{"RestoreAFile",
                 {"restore", "--file", "g.dat", "--yes"},
                 [] {
                     Invocation restore = Reader(Command::Restore, "g.dat");
                     restore.yes = true;
                     return restore;
                 }()},
        Accepted{"ShowWithoutPath", {"show"}, Reader(Command::Show, std::nullopt)},
        Accepted{
            "LintJsonAfterPath", {"lint", "g.dat", "--json"}, Reader(Command::Lint, "g.dat", true)},
        Accepted{"ShowFileOption", {"show", "--file", "g.dat"}, Reader(Command::Show, "g.dat")},
        Accepted{"LintFileOptionWithJson",
                 {"lint", "--json", "--file=g.dat"},
                 Reader(Command::Lint, "g.dat", true)},
        Accepted{"PathBeginningWithMinusAfterDoubleDash",
                 {"show", "--", "-g.dat"},
                 Reader(Command::Show, "-g.dat")},
        Accepted{"HelpFirst", {"--help"}, Invocation{}},
        Accepted{"HelpAfterCommand", {"make", "--help"}, Invocation{}},
        Accepted{"HelpWord", {"help"}, Invocation{}}),
    [](const auto& info) { return std::string(info.param.fault); });

struct Refused {
    const char* fault;
    Words words;
    UsageError expected;

    // Test names and failures show the fault, not the bytes of the case.
    friend void PrintTo(const Refused& c, std::ostream* os) { *os << c.fault; }
};

class RefusedCommandLines : public testing::TestWithParam<Refused> {};

TEST_P(RefusedCommandLines, RefusedWithTheReason) {
    const auto parsed = ParseArguments(GetParam().words);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_EQ(std::get<UsageError>(parsed), GetParam().expected);
}

Words CheckWithFirstSeat(const std::string& seat) {
    return {"check", "--p1", seat, "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1"};
}

const std::string kTooLarge = "1" + std::string(400, '0');

// The first seat's value at `place` (axis `axis`) is no number.
UsageError NotANumber(const char* place, const char* axis, const std::string& text) {
    return {kCliSeatValueNotANumber, {"--p1", place, axis, text}};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedCommandLines,
    testing::Values(
        Refused{"NoCommand", {}, {kCliNoCommand, {}}},
        Refused{"UnknownCommand", {"delete"}, {kCliUnknownCommand, {"delete"}}},
        Refused{"Exponent", CheckWithFirstSeat("1e3,0,0,0,0,1"), NotANumber("1", "X", "1e3")},
        Refused{"PlusSign", CheckWithFirstSeat("0,+5,0,0,0,1"), NotANumber("2", "Y", "+5")},
        Refused{"Unit", CheckWithFirstSeat("0,0,5mm,0,0,1"), NotANumber("3", "Z", "5mm")},
        Refused{"Blank", CheckWithFirstSeat("0,0, 5,0,0,1"), NotANumber("3", "Z", " 5")},
        Refused{"TwoPoints", CheckWithFirstSeat("0,0,0,1.2.3,0,1"), NotANumber("4", "I", "1.2.3")},
        Refused{"LoneMinus", CheckWithFirstSeat("0,0,0,0,-,1"), NotANumber("5", "J", "-")},
        Refused{"TooLargeForADouble", CheckWithFirstSeat("0,0,0,0,0," + kTooLarge),
                NotANumber("6", "K", kTooLarge)},
        Refused{"EmptyValueInsideTheSeat",
                CheckWithFirstSeat("0,0,,0,0,1"),
                {kCliSeatValueEmpty, {"--p1", "3", "Z"}}},
        Refused{"EmptySeat", CheckWithFirstSeat(""), {kCliEmptyValue, {"--p1"}}},
        Refused{"FiveValues",
                CheckWithFirstSeat("0,0,0,0,1"),
                {kCliSeatValueCount, {"--p1", "0,0,0,0,1", "5"}}},
        Refused{"SevenValues",
                CheckWithFirstSeat("0,0,0,0,0,1,"),
                {kCliSeatValueCount, {"--p1", "0,0,0,0,0,1,", "7"}}},
        Refused{"MissingFirstSeat",
                {"check", "--p2", "1,0,0,0,0,1", "--p3", "0,1,0,0,0,1"},
                {kCliMissingOption, {"--p1"}}},
        Refused{"MissingSecondSeat",
                {"check", "--p1", "1,0,0,0,0,1", "--p3", "0,1,0,0,0,1"},
                {kCliMissingOption, {"--p2"}}},
        Refused{"MissingThirdSeat",
                {"check", "--p1", "1,0,0,0,0,1", "--p2", "0,1,0,0,0,1"},
                {kCliMissingOption, {"--p3"}}},
        Refused{"MissingProbe", Seated("make", {"--name", "A"}), {kCliMissingOption, {"--probe"}}},
        Refused{"MissingName", Seated("add", {"--probe", "6"}), {kCliMissingOption, {"--name"}}},
        Refused{"ProbeWithComma",
                Seated("make", {"--probe", "6,35", "--name", "A"}),
                {kCliProbeNotANumber, {"6,35"}}},
        Refused{"ProbeTooLargeForASingle",
                Seated("make", {"--probe", "1" + std::string(40, '0')}),
                {kCliProbeNotANumber, {"1" + std::string(40, '0')}}},
        Refused{"OptionWithoutValue", {"check", "--p1"}, {kCliOptionNeedsValue, {"--p1"}}},
        Refused{"OptionTwice",
                Seated("check", {"--p1", "0,0,0,0,0,1"}),
                {kCliOptionGivenTwice, {"--p1"}}},
        Refused{"FlagWithValue", Seated("make", {"--yes=no"}), {kCliOptionTakesNoValue, {"--yes"}}},
        Refused{"OptionOfAnotherCommand",
                Seated("check", {"--probe", "6"}),
                {kCliUnknownOption, {"check", "--probe"}}},
        Refused{"ShortOption", {"make", "-y"}, {kCliUnknownOption, {"make", "-y"}}},
        Refused{"PathForCheck", Seated("check", {"g.dat"}), {kCliUnexpectedArgument, {"g.dat"}}},
        Refused{"TwoPaths", {"show", "a.dat", "b.dat"}, {kCliUnexpectedArgument, {"b.dat"}}},
        Refused{"EmptyPath", {"lint", ""}, {kCliEmptyValue, {"PATH"}}},
        Refused{"PathAfterFileOption",
                {"show", "--file", "a.dat", "b.dat"},
                {kCliUnexpectedArgument, {"b.dat"}}},
        Refused{"FileOptionAfterPath",
                {"lint", "a.dat", "--file", "b.dat"},
                {kCliOptionGivenTwice, {"--file"}}},
        Refused{"EmptyFile", Seated("make", {"--file", ""}), {kCliEmptyValue, {"--file"}}},
        Refused{"PartZero", {"remove", "--part", "0"}, {kCliPartNotANumber, {"0"}}},
        Refused{"PartWithSign", {"remove", "--part", "+2"}, {kCliPartNotANumber, {"+2"}}},
        Refused{"PartBeyondTheLargestFile",
                {"remove", "--part", "32768"},
                {kCliPartNotANumber, {"32768"}}},
        Refused{"RemoveByNumberAndName",
                {"remove", "--part", "2", "--name", "A"},
                {kCliPartOrName, {}}},
        Refused{"RemoveWithoutAPart", {"remove", "--yes"}, {kCliPartOrName, {}}},
        Refused{"RestoreTakesNoPart",
                {"restore", "--part", "1"},
                {kCliUnknownOption, {"restore", "--part"}}},
        Refused{"FirstFaultFromTheLeftWins",
                {"check", "--p1", "x", "--bogus"},
                {kCliSeatValueCount, {"--p1", "x", "1"}}}),
    [](const auto& info) { return std::string(info.param.fault); });

// After "--" every word is a path, even one spelled like the flag.
TEST(AsksForJson, JsonWordRightAfterDoubleDashIsAPath) {
    EXPECT_FALSE(AsksForJson({"show", "--", "--json"}));
}

}  // namespace
}  // namespace zarvek::cli
