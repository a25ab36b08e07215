// zarvek-grid show and lint, run as a program on temporary files.
#include <gtest/gtest.h>

#include <string>

#include "zarvek_grid_fixture.h"

namespace zarvek {
namespace {

using namespace testing_support;

const char kSeatUp[] = "\t0.0000000\t0.0000000\t1.0000000";

// Part 2's first direction is (0, 0, 1.2); part 3 repeats part 1 moved by 10 mm; the header
// claims four parts.
std::string BrokenGridFile() {
    const std::string up = kSeatUp;
    return "$$\r\n4 3 1.500000 6.000000 4"
           "\r\nPart A"
           "\r\n\t0.000\t0.000\t0.000" +
           up + "\r\n\t100.000\t0.000\t0.000" + up + "\r\n\t30.000\t80.000\t0.000" + up +
           "\r\nPart B"
           "\r\n\t0.000\t0.000\t0.000\t0.0000000\t0.0000000\t1.2000000"
           "\r\n\t120.000\t0.000\t0.000" +
           up + "\r\n\t30.000\t95.000\t0.000" + up +
           "\r\nPart A again"
           "\r\n\t10.000\t0.000\t0.000" +
           up + "\r\n\t110.000\t0.000\t0.000" + up + "\r\n\t40.000\t80.000\t0.000" + up;
}

class ReadCommands : public ZarvekGridTest {
  protected:
    std::string Grid() const { return File("Gridfile.dat"); }
};

TEST_F(ReadCommands, ShowPrintsTheTextDecodedFromTheCodePage) {
    WriteBytes(Grid(), TestData("cli_add_expected.dat"));
    const auto result = Run({"show", Grid()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "$$\n2 3 1.500000 6.350000 4\n"
              "Part Bracket. A\n"
              "\t0.000\t0.000\t0.000\t0.0000000\t0.0000000\t1.0000000\n"
              "\t100.001\t0.000\t0.000\t0.0000000\t0.7071100\t0.7071100\n"
              "\t30.000\t80.000\t0.000\t0.0000000\t0.0000000\t1.0000000\n"
              "Part Bügel rechts \n"
              "\t-10.000\t0.000\t5.125\t0.0000000\t0.0000000\t1.0000000\n"
              "\t110.000\t0.000\t5.125\t0.0000000\t0.0000000\t1.0000000\n"
              "\t20.000\t95.000\t5.125\t-0.5773500\t0.5773500\t0.5773500\n");
}

TEST_F(ReadCommands, ShowAndLintReadTheInstalledFileWithoutPath) {
    WriteBytes(InstalledGridFile(), TestData("worked_example.dat"));
    const auto shown = Run({"show"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_NE(shown.out.find("Part Bracket A\n"), std::string::npos);
    const auto linted = Run({"lint"});
    EXPECT_EQ(linted.exitCode, 0) << linted.out;
    EXPECT_EQ(linted.out.find("Grid file: " + InstalledGridFile() + "\n"), 0u);
}

TEST_F(ReadCommands, MissingFileSaysNoGridFileExistsAndExitsThree) {
    for (const char* command : {"show", "lint"}) {
        const auto result = Run({command, Grid()});
        EXPECT_EQ(result.exitCode, 3) << command;
        EXPECT_EQ(result.err,
                  "Insufficient Data!: No Zarvek File Exists!  Make a Zarvek File First! (file: " +
                      Grid() + ")\n");
        EXPECT_EQ(result.out, "") << command;
    }
}

TEST_F(ReadCommands, LintReportsAGoodFileAndExitsZero) {
    WriteBytes(Grid(), TestData("cli_add_expected.dat"));
    const auto text = Run({"lint", Grid()});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "Grid file: " + Grid() +
                            "\n"
                            "Header: 2 parts, tolerance 1.500000, probe diameter 6.350000\n"
                            "Parts found: 2\n"
                            "Part 1 \"Bracket. A\": lengths 1-2 100.001, 2-3 106.302, 3-1 85.440\n"
                            "Part 2 \"Bügel rechts \": lengths 1-2 120.000, 2-3 130.863, 3-1 "
                            "99.624\n"
                            "No problems found.\n");
    const auto json = Run({"lint", "--json", Grid()});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out,
              "{\"command\":\"lint\",\"file\":\"" + Grid() +
                  "\",\"gridFile\":true,\"header\":{\"parts\":2,\"tolerance\":1.500000,"
                  "\"probeDiameter\":6.350000},\"partsFound\":2,\"parts\":[{\"number\":"
                  "1,\"name\":\"Bracket. A\",\"lengths\":[100.001,106.302,85.440]},{"
                  "\"number\":2,\"name\":\"Bügel rechts \",\"lengths\":[120.000,130.863,"
                  "99.624]}],\"problemCount\":0,\"problems\":[],\"outcome\":\"noProblems\","
                  "\"exitCode\":0,\"messages\":[]}\n");
}

TEST_F(ReadCommands, LintNamesEveryProblemAndExitsOne) {
    WriteBytes(Grid(), BrokenGridFile());
    const auto text = Run({"lint", Grid()});
    EXPECT_EQ(text.exitCode, 1);
    const std::string problems =
        "Problems found: 3\n"
        "  The header says 4 parts, but the file holds 3.\n"
        "  Part 2 \"B\", seat 1: the direction has the length 1.2000000, not 1 (the wizard stores "
        "unit vectors).\n"
        "  Part 3 \"A again\": more than two of its lengths match lengths of the parts before it; "
        "Add would have refused it.\n";
    ASSERT_GE(text.out.size(), problems.size());
    EXPECT_EQ(text.out.substr(text.out.size() - problems.size()), problems) << text.out;

    const auto json = Run({"lint", Grid(), "--json"});
    EXPECT_EQ(json.exitCode, 1);
    const std::string jsonProblems =
        "\"problemCount\":3,\"problems\":["
        "{\"kind\":\"headerCountDiffers\",\"message\":\"The header says 4 parts, but the file "
        "holds 3.\"},"
        "{\"kind\":\"notAUnitVector\",\"part\":2,\"seat\":1,\"length\":1.2000000,\"message\":"
        "\"Part 2 \\\"B\\\", seat 1: the direction has the length 1.2000000, not 1 (the wizard "
        "stores unit vectors).\"},"
        "{\"kind\":\"redundantLengths\",\"part\":3,\"message\":\"Part 3 \\\"A again\\\": more "
        "than two of its lengths match lengths of the parts before it; Add would have refused "
        "it.\"}],\"outcome\":\"problemsFound\",\"exitCode\":1,";
    EXPECT_NE(json.out.find(jsonProblems), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"header\":{\"parts\":4,"), std::string::npos);
    EXPECT_NE(json.out.find("\"partsFound\":3,"), std::string::npos);
}

TEST_F(ReadCommands, LintOfAFileWithoutMarkerIsAProblemNotAFailure) {
    WriteBytes(Grid(), "Part list\r\n1 3 1.5 6 4");
    const auto json = Run({"lint", "--json", Grid()});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out,
              "{\"command\":\"lint\",\"file\":\"" + Grid() +
                  "\",\"gridFile\":false,\"header\":null,\"partsFound\":0,\"parts\":[],"
                  "\"problemCount\":1,\"problems\":[{\"kind\":\"markerWithoutDollar\","
                  "\"message\":\"Line 1 holds no \\\"$\\\", so the file is no grid "
                  "file.\"}],\"outcome\":\"problemsFound\",\"exitCode\":1,\"messages\":[]}\n");
}

TEST_F(ReadCommands, LintOfAMalformedFileNamesTheLineAndExitsThree) {
    WriteBytes(Grid(),
               "$$\r\n1 3 1.5 6 4\r\nPart A\r\n\t1\t2\t3\t0\t0\t1\r\n\t1\tx\t3\t0\t0\t1\r\n");
    const auto result = Run({"lint", Grid()});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find("Cannot Read Zarvek File: The grid file \"" + Grid() +
                              "\" cannot be read: line 5:"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.out, "");
}

TEST_F(ReadCommands, LintSpeaksGerman) {
    WriteBytes(Grid(), BrokenGridFile());
    Settings german;
    german.language = "de_DE.UTF-8";
    const auto result = Run({"lint", Grid()}, german);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("Kopfzeile: 4 Werkstücke, Toleranz 1.500000, Tasterdurchmesser "
                              "6.000000\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("  Die Kopfzeile nennt 4 Werkstücke, die Datei enthält aber 3.\n"),
              std::string::npos)
        << result.out;
}

}  // namespace
}  // namespace zarvek
