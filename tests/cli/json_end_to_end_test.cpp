// zarvek-grid --json, run as a program: one JSON object on one line of standard output for every
// command and outcome, errors included, and nothing on standard error.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "storage/safe_write.h"
#include "zarvek_grid_fixture.h"

namespace zarvek {
namespace {

using namespace testing_support;

struct JsonCase {
    const char* name;
    const char* words;  // see SplitWords; SEATS: PassingSeats(), GRID: the grid file, BAD: bad.dat
    int exitCode;
    const char* members;  // a run of the object's text; GRID: the grid file

    friend void PrintTo(const JsonCase& c, std::ostream* os) { *os << c.name; }
};

class JsonOutput : public ZarvekGridTest, public testing::WithParamInterface<JsonCase> {
  protected:
    // "GRID" replaced by the grid file's path.
    std::string WithGrid(std::string text) const {
        for (std::size_t at = text.find("GRID"); at != std::string::npos;
             at = text.find("GRID", at)) {
            text.replace(at, 4, File("Gridfile.dat"));
        }
        return text;
    }
};

// The grid file holds "Bracket. A" and "Bügel rechts ", its backup the first alone; bad.dat is
// malformed in line 5.
TEST_P(JsonOutput, OneObjectOnOneLineAndNothingOnStandardError) {
    WriteBytes(File("Gridfile.dat"), TestData("cli_add_expected.dat"));
    WriteBytes(BackupPathFor(File("Gridfile.dat")), TestData("cli_make_expected.dat"));
    WriteBytes(File("bad.dat"), "$$\r\n1 3 1.5 6 4\r\nPart A\r\n\t1\t2\t3\t0\t0\t1\r\n\t1\tx\r\n");
    std::vector<std::string> arguments;
    for (const std::string& word : SplitWords(GetParam().words)) {
        arguments = word == "SEATS"
                        ? Join(arguments, PassingSeats())
                        : Join(arguments, {word == "BAD" ? File("bad.dat") : WithGrid(word)});
    }
    arguments.insert(arguments.begin() + 1, "--json");
    const auto result = Run(arguments);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    EXPECT_EQ(result.err, "");
    const std::string start = "{\"command\":\"" + arguments[0] + "\"";
    EXPECT_EQ(result.out.substr(0, start.size()), start) << result.out;
    EXPECT_EQ(result.out.find('\n'), result.out.size() - 1) << result.out;
    EXPECT_NE(result.out.find(WithGrid(GetParam().members)), std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, JsonOutput,
    testing::Values(
        JsonCase{"Check", "check SEATS", 0, R"("directions":[[0.00000,0.00000,1.00000],)"},
        JsonCase{"Make", "make SEATS --probe 6 --name A --file GRID --yes", 0,
                 R"("file":"GRID","part":1,"name":"A","outcome":"written","exitCode":0,)"},
        JsonCase{"Add", "add SEATS --probe 6.35 --name A --file GRID --yes", 1,
                 R"("outcome":"lengthsRepeat","exitCode":1,"messages":[{"id":1063,"title":)"},
        JsonCase{"Remove", "remove --part 2 --file GRID --yes", 0,
                 R"("part":2,"name":"Bügel rechts ","outcome":"removed","exitCode":0,)"},
        JsonCase{"Restore", "restore --file GRID", 4,
                 R"("outcome":"declined","exitCode":4,"messages":[{"id":1190,)"},
        JsonCase{"Show", "show GRID", 0,
                 R"("lines":["$$","2 3 1.500000 6.350000 4","Part Bracket. A",)"},
        JsonCase{"MalformedLint", "lint BAD", 3,
                 R"("line":5,"outcome":"readFailed","exitCode":3,"messages":[{"id":null,)"},
        JsonCase{"UsageError", "make --p1 1,2", 2,
                 R"("outcome":"usageError","exitCode":2,"messages":[{"id":1160,)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zarvek
