// zarvek-grid's command line as a program sees it: usage errors and the help.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

#include "zarvek_grid_fixture.h"

namespace zarvek {
namespace {

using namespace testing_support;
using Args = std::vector<std::string>;

struct UsageCase {
    const char* fault;
    Args arguments;
    std::string message;

    // Test names and failures show the fault, not the bytes of the case.
    friend void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.fault; }
};

class UsageErrors : public ZarvekGridTest, public testing::WithParamInterface<UsageCase> {};

// A make that would otherwise pass, with one word changed: "SEAT" stands for a first seat that
// is replaced by the case's value.
TEST_P(UsageErrors, ExitTwoSayWhyAndWriteNothing) {
    Args arguments = GetParam().arguments;
    arguments.insert(arguments.end(), {"--file", File("Gridfile.dat")});
    const auto result = Run(arguments);
    EXPECT_EQ(result.exitCode, 2) << result.err;
    EXPECT_EQ(result.err, "zarvek-grid: " + GetParam().message +
                              " Run \"zarvek-grid --help\" for the usage.\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(File("Gridfile.dat")));
}

Args MakeWithFirstSeat(const std::string& seat) {
    return {"make",    "--p1", seat,     "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1",
            "--probe", "6",    "--name", "A"};
}

Args MakeWithProbe(const std::string& probe) {
    return {"make",    "--p1", "0,0,0,0,0,1", "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1",
            "--probe", probe,  "--name",      "A"};
}

const char kNumberAdvice[] =
    "is not a number. Write digits with \".\" as the decimal separator, no digit grouping and "
    "at most a leading \"-\".";

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageErrors,
    testing::Values(
        UsageCase{"Exponent", MakeWithFirstSeat("1e3,0,0,0,0,1"),
                  std::string("--p1: value 1 (X) \"1e3\" ") + kNumberAdvice},
        UsageCase{"EmptyValue", MakeWithFirstSeat("0,0,0,,0,1"), "--p1: value 4 (I) is empty."},
        UsageCase{"FiveValues", MakeWithFirstSeat("0,0,0,0,1"),
                  "--p1 needs six values X,Y,Z,I,J,K separated by commas; \"0,0,0,0,1\" holds 5."},
        UsageCase{"ProbeWithUnit", MakeWithProbe("6mm"),
                  std::string("--probe: \"6mm\" ") + kNumberAdvice},
        UsageCase{"MissingFirstSeat",
                  {"make", "--p2", "100,0,0,0,0,1", "--p3", "30,80,0,0,0,1", "--probe", "6",
                   "--name", "A"},
                  "The option --p1 is missing."},
        UsageCase{"UnknownCommand", {"delete"}, "Unknown command \"delete\"."}),
    [](const auto& info) { return std::string(info.param.fault); });

TEST_F(ZarvekGridTest, NoCommandIsAUsageError) {
    const auto result = Run({});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err,
              "zarvek-grid: No command given. Run \"zarvek-grid --help\" for the usage.\n");
}

TEST_F(ZarvekGridTest, HelpDocumentsEveryCommandLine) {
    const auto result = Run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* line : {
             "zarvek-grid check SEATS [--accept-spread]\n",
             "zarvek-grid make  SEATS --probe D --name NAME [--file PATH] [--yes] "
             "[--accept-spread]\n",
             "zarvek-grid add   SEATS --probe D --name NAME [--file PATH] [--yes] "
             "[--accept-spread]\n",
             "zarvek-grid remove (--part N | --name NAME) [--file PATH] [--yes]\n",
             "zarvek-grid restore [--file PATH] [--yes]\n",
             "zarvek-grid show  [PATH | --file PATH]\n",
             "zarvek-grid lint  [PATH | --file PATH]\n",
             "zarvek-grid --help | --version\n",
             "SEATS: --p1 X,Y,Z,I,J,K --p2 X,Y,Z,I,J,K --p3 X,Y,Z,I,J,K\n",
         }) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(result.out.find("  5  not written because another program held the grid file"),
              std::string::npos);
}

TEST_F(ZarvekGridTest, VersionIsPrinted) {
    const auto result = Run({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(std::regex_match(result.out, std::regex("zarvek-grid [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << result.out;
}

}  // namespace
}  // namespace zarvek
