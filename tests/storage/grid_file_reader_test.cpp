#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "storage/grid_file_io.h"
#include "storage/grid_file_reader.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

const std::string kHeader = "1 3 1.500000 6.000000 4";
const std::string kSeat1 = "\t12.345\t-40.125\t100.001\t0.5773503\t0.5773503\t0.5773503";
const std::string kSeat2 = "\t212.375\t10.625\t95.875\t-0.5773503\t0.5773503\t0.5773503";
const std::string kSeat3 = "\t110.125\t185.375\t97.625\t0.5773503\t-0.5773503\t0.5773503";

std::string Join(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : lineEnd) + lines[i];
    }
    return text;
}

// The worked example with its header and part lines replaced.
std::string Example(const std::string& header = kHeader, const std::string& partLine = "Part A") {
    return Join({"$$", header, partLine, kSeat1, kSeat2, kSeat3});
}

std::string TwoParts(const std::string& secondPartLine) {
    return Join({"$$", "2 3 1.5 6 4", "Part A", kSeat1, kSeat2, kSeat3, secondPartLine, kSeat1,
                 kSeat2, kSeat3});
}

TEST(MakeGridFileObj, WorkedExampleReadsBackToItsValues) {
    const std::string path = ZARVEK_TEST_DATA_DIR "/worked_example.dat";
    const auto gridFile = MakeGridFileObj(path);
    ASSERT_TRUE(gridFile);
    EXPECT_EQ(gridFile->Path, path);
    EXPECT_EQ(gridFile->iNumberOfParts, 1);
    EXPECT_EQ(gridFile->sTolerance, 1.5f);
    EXPECT_EQ(gridFile->sProbeDiameter, 6.0f);
    ASSERT_EQ(gridFile->Parts.Count(), 1u);
    const Part& part = gridFile->Parts.Item("1");
    const Part expected = WorkedExample().Parts.Item(1);
    EXPECT_EQ(part.sName, "Bracket A");
    EXPECT_EQ(part.P1, expected.P1);
    EXPECT_EQ(part.P2, expected.P2);
    EXPECT_EQ(part.P3, expected.P3);
    EXPECT_EQ(part.V1, expected.V1);
    EXPECT_EQ(part.V2, expected.V2);
    EXPECT_EQ(part.V3, expected.V3);
}

struct ToleratedCase {
    const char* fault;
    std::string text;
    std::int16_t numberOfParts;
    float tolerance;
    float probeDiameter;
    std::vector<std::pair<std::string, std::string>> keysAndNames;
};

void PrintTo(const ToleratedCase& c, std::ostream* out) {
    *out << c.fault;
}

class ReaderTolerates : public testing::TestWithParam<ToleratedCase> {};

TEST_P(ReaderTolerates, AndReadsTheParts) {
    const ToleratedCase& c = GetParam();
    const auto gridFile = ReadGridFileText(c.text, "test.dat");
    ASSERT_TRUE(gridFile);
    EXPECT_EQ(gridFile->iNumberOfParts, c.numberOfParts);
    EXPECT_EQ(gridFile->sTolerance, c.tolerance);
    EXPECT_EQ(gridFile->sProbeDiameter, c.probeDiameter);
    ASSERT_EQ(gridFile->Parts.Count(), c.keysAndNames.size());
    for (const auto& [key, name] : c.keysAndNames) {
        EXPECT_EQ(gridFile->Parts.Item(key).sName, name) << key;
        EXPECT_EQ(gridFile->Parts.Item(key).P2.XValue, 212.375) << key;
    }
}

using Keys = std::vector<std::pair<std::string, std::string>>;
const Keys kPartA = {{"1", "A"}};
Keys Key(const std::string& key, const std::string& name) {
    return {{key, name}};
}
// Part "A" keyed 1, then `name` keyed 2.
Keys AThen(const std::string& name) {
    return {{"1", "A"}, {"2", name}};
}
const std::string kGross =
    "Gr\xC3\xB6\xC3\x9F"
    "e";

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderTolerates,
    testing::Values(
        ToleratedCase{"HeaderValuesInSinglePrecision", Example("2 3 1.5 6.35 4"), 2, 1.5f, 6.35f,
                      kPartA},
        ToleratedCase{"CountTwoAndAHalfRoundsToEvenTwo", Example("2.5 3 1.5 6 4"), 2, 1.5f, 6,
                      kPartA},
        ToleratedCase{"CountThreeAndAHalfRoundsToEvenFour", Example("3.5 3 1.5 6 4"), 4, 1.5f, 6,
                      kPartA},
        ToleratedCase{"HeaderCountIsTakenUnchanged", Example("5 3 1.5 6 4"), 5, 1.5f, 6, kPartA},
        ToleratedCase{"DoubleSpaceShiftsTheHeaderFields", Example("1  3 1.5 6"), 1, 3, 1.5f,
                      kPartA},
        ToleratedCase{"HeaderFieldsTwoAndFiveAreNotLookedAt", Example("1 x 1.5 6"), 1, 1.5f, 6,
                      kPartA},
        ToleratedCase{"MarkerAnywhereInLineOne", "x$y" + Example().substr(2), 1, 1.5f, 6, kPartA},
        ToleratedCase{"TrailingLineEndIsIgnored", Example() + "\r\n", 1, 1.5f, 6, kPartA},
        ToleratedCase{"OneExtraLineIsIgnored", Example() + "\r\nanything at all", 1, 1.5f, 6,
                      kPartA},
        ToleratedCase{"OneExtraBlankLineIsIgnored", Example() + "\r\n\r\n", 1, 1.5f, 6, kPartA},
        ToleratedCase{"FinalPartLineIsDropped", Example() + "\r\nPart B", 1, 1.5f, 6, kPartA},
        ToleratedCase{"FinalPartLineWithLineEndIsDropped", Example() + "\r\nPart B\r\n", 1, 1.5f, 6,
                      kPartA},
        ToleratedCase{"OnlyPartLineIsDropped", Join({"$$", kHeader, "Part A"}), 1, 1.5f, 6, {}},
        ToleratedCase{
            "FileOfNoPartsReadsAsWritten", Join({"$$", "0 3 1.500000 6.000000 4"}), 0, 1.5f, 6, {}},
        ToleratedCase{"LoneLineFeedsEndLines",
                      Join({"$$", kHeader, "Part A", kSeat1, kSeat2, kSeat3}, "\n"), 1, 1.5f, 6,
                      kPartA},
        ToleratedCase{"LoneCarriageReturnsEndLines",
                      Join({"$$", kHeader, "Part A", kSeat1, kSeat2, kSeat3}, "\r"), 1, 1.5f, 6,
                      kPartA},
        ToleratedCase{"EmptyNameReadsAsEmpty", Example(kHeader, "Part "), 1, 1.5f, 6, Key("1", "")},
        ToleratedCase{"FourCharacterPartLineGivesAnEmptyName", Example(kHeader, "Part"), 1, 1.5f, 6,
                      Key("1", "")},
        ToleratedCase{"NameStartsAtTheSixthCharacterUnseen", Example(kHeader, "Xart Name"), 1, 1.5f,
                      6, Key("0", "Name")},
        ToleratedCase{"NameCountsCharactersNotBytes", Example(kHeader, "\xC3\x84rt: " + kGross), 1,
                      1.5f, 6, Key("0", kGross)},
        ToleratedCase{"PartWordAnywhereCounts", TwoParts("XXXXXB Part"), 2, 1.5f, 6,
                      AThen("B Part")},
        ToleratedCase{"PartsAreKeyedInFileOrder", TwoParts("Part B"), 2, 1.5f, 6, AThen("B")}),
    [](const testing::TestParamInfo<ToleratedCase>& info) { return info.param.fault; });

TEST(ReadGridFileText, SeatLineLosesItsFirstCharacterWhateverItIs) {
    const std::string seat = "12.345\t-40.125\t100.001\t0.5\t0.5\t0.5\textra\tfields";
    const auto gridFile =
        ReadGridFileText(Join({"$$", kHeader, "Part A", seat, "\xC3\xA4" + seat, "X" + seat}), "");
    ASSERT_TRUE(gridFile);
    const Part& part = gridFile->Parts.Item(1);
    EXPECT_EQ(part.P1.XValue, 2.345);
    EXPECT_EQ(part.P2.XValue, 12.345);
    EXPECT_EQ(part.P3.XValue, 12.345);
    EXPECT_EQ(part.V3.kValue, 0.5);
}

TEST(ReadGridFileText, FirstLineWithoutMarkerGivesNoGridFile) {
    EXPECT_FALSE(ReadGridFileText(Join({"##", kHeader, "Part A", kSeat1, kSeat2, kSeat3}), ""));
    EXPECT_FALSE(ReadGridFileText("no marker", ""));
}

struct FailureCase {
    const char* fault;
    std::string text;
    std::string message;  // the part of the error after the file name
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.fault;
}

class ReaderRefuses : public testing::TestWithParam<FailureCase> {};

TEST_P(ReaderRefuses, NamingTheLine) {
    try {
        ReadGridFileText(GetParam().text, "/armdata/Gridfile.dat");
        FAIL() << "no error";
    } catch (const GridFileLineError& error) {
        EXPECT_EQ(error.what(),
                  "The grid file \"/armdata/Gridfile.dat\" cannot be read: " + GetParam().message);
        // The number a script reads is the one the message names.
        const std::string& message = GetParam().message;
        EXPECT_EQ("line " + std::to_string(error.line()), message.substr(0, message.find(':')));
    }
}

std::string Seats(const std::string& first, const std::string& second, const std::string& third) {
    return Join({"$$", kHeader, "Part A", first, second, third});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderRefuses,
    testing::Values(
        FailureCase{"EmptyFile", "",
                    "line 1: expected the marker line \"$$\", but the file is empty."},
        FailureCase{"MarkerLineOnly", "$$\r\n",
                    "line 2: expected the header line, but the file ends after line 1."},
        FailureCase{"HeaderCountsAPartButTheFileEnds", Join({"$$", kHeader}),
                    "line 3: expected the first part line, but the file ends after line 2."},
        FailureCase{"HeaderCountsAPartButTheFileEndsWithALineEnd", Join({"$$", kHeader, ""}),
                    "line 3: expected the first part line, but the file ends after line 2."},
        FailureCase{"HeaderOfThreeFields", Example("1 3 1.5"),
                    "line 2: expected a header line of at least four space-separated fields, "
                    "found 3."},
        FailureCase{"EmptyHeader", Example(""),
                    "line 2: expected a header line of at least four space-separated fields, "
                    "found 0."},
        FailureCase{"CountNotANumber", Example("one 3 1.5 6 4"),
                    "line 2: expected the number of parts in field 1, but \"one\" is not a "
                    "number."},
        FailureCase{"CountBeyondSixteenBits", Example("32767.5 3 1.5 6 4"),
                    "line 2: the number of parts in field 1, 32767.5, is outside the range "
                    "-32768 to 32767."},
        FailureCase{"DoubleSpaceLeavesAnEmptyTolerance", Example("1 3  1.5 6 4"),
                    "line 2: expected the tolerance in field 3, but \"\" is not a number."},
        FailureCase{"ProbeDiameterNotANumber", Example("1 3 1.5 nan 4"),
                    "line 2: expected the probe diameter in field 4, but \"nan\" is not a "
                    "number."},
        FailureCase{"ProbeDiameterBeyondSinglePrecision",
                    Example("1 3 1.5 1" + std::string(39, '0') + " 4"),
                    "line 2: expected the probe diameter in field 4, but \"1" +
                        std::string(39, '0') + "\" is too large a number."},
        FailureCase{"PartLineOfThreeCharacters", Example(kHeader, "Par"),
                    "line 3: expected a part line (\"Part \" and the part's name), found "
                    "\"Par\"."},
        FailureCase{"ShortSeatLine", Seats(kSeat1, "\t1\t2\t3\t4", kSeat3),
                    "line 5: expected six tab-separated numbers, found 4."},
        FailureCase{"EmptySeatLine", Seats(kSeat1, "", kSeat3),
                    "line 5: expected six tab-separated numbers, found 0."},
        FailureCase{"SeatLineOfOneTab", Seats("\t", kSeat2, kSeat3),
                    "line 4: expected six tab-separated numbers, found 0."},
        FailureCase{"SeatFieldNotANumber", Seats(kSeat1, kSeat2, "\t1\t2\t3\t4\t5,5\t6"),
                    "line 6: expected a number (J) in field 5, but \"5,5\" is not a number."},
        FailureCase{"SeatFieldInfinite", Seats("\tinf\t2\t3\t4\t5\t6", kSeat2, kSeat3),
                    "line 4: expected a number (X) in field 1, but \"inf\" is not a number."},
        FailureCase{"SeatFieldBeyondDoublePrecision",
                    Seats(kSeat1, "\t1" + std::string(400, '0') + "\t2\t3\t4\t5\t6", kSeat3),
                    "line 5: expected a number (X) in field 1, but \"1" + std::string(400, '0') +
                        "\" is too large a number."},
        FailureCase{"FileEndsInsideAPart", Join({"$$", kHeader, "Part A", kSeat1, kSeat2}),
                    "line 6: expected seat line 3 of the part on line 3, but the file ends after "
                    "line 5."},
        FailureCase{"FileEndsInsideAPartAfterALineEnd", Join({"$$", kHeader, "Part A", kSeat1, ""}),
                    "line 5: expected seat line 2 of the part on line 3, but the file ends after "
                    "line 4."},
        FailureCase{"LaterPartLineWithoutPartRepeatsAKey", TwoParts("Item B"),
                    "line 7: expected a part line containing \"Part\", found \"Item B\" (the part "
                    "would repeat the number 1 of the part before it)."}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.fault; });

TEST(ReadGridFileText, MoreThan32767PartLinesAreRefused) {
    std::string text = "$$\r\n32767 3 1.5 6 4";
    for (int part = 0; part <= 32767; ++part) {
        text += "\r\nPart P\r\n\t0\t0\t0\t0\t0\t1\r\n\t0\t0\t0\t0\t0\t1\r\n\t0\t0\t0\t0\t0\t1";
    }
    try {
        ReadGridFileText(text, "big.dat");
        FAIL() << "no error";
    } catch (const GridFileError& error) {
        EXPECT_NE(std::string(error.what()).find("line 131071: a grid file holds at most 32767"),
                  std::string::npos)
            << error.what();
    }
}

TEST(MakeGridFileObj, MissingFileNamesThePath) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    try {
        MakeGridFileObj(path);
        FAIL() << "no error";
    } catch (const GridFileError& error) {
        EXPECT_NE(std::string(error.what()).find("\"" + path + "\""), std::string::npos)
            << error.what();
    }
}

}  // namespace
}  // namespace zarvek
