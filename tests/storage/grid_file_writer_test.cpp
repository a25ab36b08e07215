#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"
#include "storage/safe_write.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

std::string WorkedExampleBytes() {
    return ReadBytes(ZARVEK_TEST_DATA_DIR "/worked_example.dat");
}

GridFile WithParts(std::initializer_list<Part> parts, float probeDiameter = 6.0f) {
    GridFile gridFile;
    gridFile.sProbeDiameter = probeDiameter;
    for (const Part& part : parts) {
        gridFile.Parts.Add(part.P1, part.P2, part.P3, part.V1, part.V2, part.V3, part.sName, "");
    }
    return gridFile;
}

TEST(GridFileBytes, WorkedExampleIsWrittenByteForByte) {
    EXPECT_EQ(GridFileBytes(WorkedExample()), WorkedExampleBytes());
}

struct FormatCase {
    const char* fault;
    std::function<GridFile()> gridFile;  // built when the case runs, not when it is listed
    std::string expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.fault;
}

class GridFileBytesFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(GridFileBytesFormat, WritesTheExactText) {
    EXPECT_EQ(GridFileBytes(GetParam().gridFile()), GetParam().expected) << GetParam().fault;
}

Part Plain(const std::string& name) {
    Part part;
    part.sName = name;
    return part;
}

const std::string kZeroSeat = "\t0.000\t0.000\t0.000\t0.0000000\t0.0000000\t0.0000000";
const std::string kZeroSeats = "\r\n" + kZeroSeat + "\r\n" + kZeroSeat + "\r\n" + kZeroSeat;

GridFile HeaderSaysFive() {
    GridFile gridFile = WithParts({Plain("A")});
    gridFile.iNumberOfParts = 5;
    gridFile.sTolerance = 9.0f;
    return gridFile;
}

Part Rounded() {
    Part part = Plain("R");
    part.P1 = Point{12.3456, 10, -0.0001};
    part.V1 = Vector{1, 0, -0.57735026918962573};
    return part;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileBytesFormat,
    testing::Values(
        FormatCase{"EmptyGridFileIsTheTwoHeaderLines", [] { return WithParts({}); },
                   "$$\r\n0 3 1.500000 6.000000 4"},
        FormatCase{"ProbeDiameterComesFromItsSevenDigitText", [] { return WithParts({}, 6.35f); },
                   "$$\r\n0 3 1.500000 6.350000 4"},
        FormatCase{"CountIsThePartsHeldAndToleranceIsAlwaysOneAndAHalf",
                   [] { return HeaderSaysFive(); },
                   "$$\r\n1 3 1.500000 6.000000 4\r\nPart A" + kZeroSeats},
        FormatCase{"CommaInANameIsStoredAsAPoint", [] { return WithParts({Plain("A,B")}); },
                   "$$\r\n1 3 1.500000 6.000000 4\r\nPart A.B" + kZeroSeats},
        FormatCase{"EmptyNameKeepsTheTrailingSpace", [] { return WithParts({Plain("")}); },
                   "$$\r\n1 3 1.500000 6.000000 4\r\nPart " + kZeroSeats},
        FormatCase{"PositionsRoundToThreeAndDirectionsToSevenDecimals",
                   [] { return WithParts({Rounded()}); },
                   "$$\r\n1 3 1.500000 6.000000 4\r\nPart R\r\n"
                   "\t12.346\t10.000\t0.000\t1.0000000\t0.0000000\t-0.5773503\r\n" +
                       kZeroSeat + "\r\n" + kZeroSeat},
        FormatCase{
            "PartsKeepTheCollectionOrder",
            [] {
                return WithParts({Plain("2"), Plain("1")});
            },
            "$$\r\n2 3 1.500000 6.000000 4\r\nPart 2" + kZeroSeats + "\r\nPart 1" + kZeroSeats}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.fault; });

class GridFileWriteTest : public testing::Test {
  protected:
    GridFileWriteTest() { InstallFakeHost(install_.path()); }

    void Write(const GridFile& gridFile) {
        GridFileWrite(gridFile, GridFileLock(target_, std::chrono::milliseconds(0))).Store(host_);
    }

    bool LockIsFree() const {
        try {
            const GridFileLock lock(target_, std::chrono::milliseconds(0));
            return true;
        } catch (const GridFileBusyError&) {
            return false;
        }
    }

    TemporaryFolder install_;
    TemporaryFolder armdata_;
    std::string target_ = armdata_.File("Gridfile.dat");
    PushLog pushes_;
    HostLibrary host_{[this] { return std::vector<std::string>{install_.path().string()}; }};
};

TEST_F(GridFileWriteTest, NewFileIsWrittenAndPushedOnce) {
    Write(WorkedExample());
    EXPECT_EQ(ReadBytes(target_), WorkedExampleBytes());
    EXPECT_EQ(pushes_.Calls(), 1);
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target_)));
}

TEST_F(GridFileWriteTest, SaysWhetherItReplacesAFile) {
    EXPECT_FALSE(GridFileWrite(WorkedExample(), GridFileLock(target_)).ReplacesAFile());
    WriteBytes(target_, "");
    EXPECT_TRUE(GridFileWrite(WorkedExample(), GridFileLock(target_)).ReplacesAFile());
}

// The host's push may take its time; another writer must not wait for it.
TEST_F(GridFileWriteTest, PushComesAfterTheLockIsDropped) {
    WriteBytes(target_, "old bytes");
    std::optional<bool> freeDuringPush;
    HostLibrary probe([&] {
        freeDuringPush = LockIsFree();  // the folders are asked for inside the first push
        return std::vector<std::string>{};
    });
    const GridFile gridFile = WorkedExample();  // the write refers to it until Store
    GridFileWrite write(gridFile, GridFileLock(target_));
    write.Store(probe);
    EXPECT_EQ(ReadBytes(target_), WorkedExampleBytes());
    EXPECT_EQ(freeDuringPush, std::optional<bool>(true));
}

TEST_F(GridFileWriteTest, LeftoverTemporaryFileIsReplacedNotAppendedTo) {
    WriteBytes(TemporaryPathFor(target_), std::string(100000, 'x'));
    Write(WorkedExample());
    EXPECT_EQ(ReadBytes(target_), WorkedExampleBytes());
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target_)));
}

TEST_F(GridFileWriteTest, MissingFolderFailsWithItsPathAndSkipsThePush) {
    target_ = armdata_.File("no such folder/Gridfile.dat");
    try {
        Write(WorkedExample());
        FAIL() << "no error";
    } catch (const GridFileError& error) {
        EXPECT_NE(std::string(error.what()).find(target_), std::string::npos) << error.what();
    }
    EXPECT_EQ(pushes_.Calls(), 0);
}

TEST_F(GridFileWriteTest, FolderInPlaceOfTheFileIsLeftAsItWas) {
    std::filesystem::create_directory(target_);
    WriteBytes(std::filesystem::path(target_) / "inside", "kept");
    EXPECT_THROW(Write(WorkedExample()), GridFileError);
    EXPECT_EQ(ReadBytes(std::filesystem::path(target_) / "inside"), "kept");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target_)));
    EXPECT_EQ(pushes_.Calls(), 0);
    EXPECT_TRUE(LockIsFree());
}

struct RefusedCase {
    const char* fault;
    std::function<GridFile()> gridFile;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.fault;
}

class GridFileWriteRefuses : public GridFileWriteTest,
                             public testing::WithParamInterface<RefusedCase> {};

// Content no grid file can hold is refused when the write is made, before its caller can ask the
// operator anything, and the refused write keeps no lock.
TEST_P(GridFileWriteRefuses, WhenMadeTouchingNothing) {
    WriteBytes(target_, "old bytes");
    try {
        GridFileWrite(GetParam().gridFile(), GridFileLock(target_));
        ADD_FAILURE() << "not refused: " << GetParam().fault;
    } catch (const GridFileError& error) {
        EXPECT_NE(std::string(error.what()).find(target_), std::string::npos) << error.what();
    }
    EXPECT_EQ(ReadBytes(target_), "old bytes");
    EXPECT_FALSE(std::filesystem::exists(TemporaryPathFor(target_)));
    EXPECT_TRUE(LockIsFree());
}

GridFile TooManyParts() {
    GridFile gridFile;
    for (int i = 0; i <= 32767; ++i) {
        gridFile.Parts.Add({}, {}, {}, {}, {}, {}, "P", "");
    }
    return gridFile;
}

Part NotFinite() {
    Part part = Plain("N");
    part.V2.jValue = std::numeric_limits<double>::quiet_NaN();
    return part;
}

Part TooLarge() {
    Part part = Plain("L");
    part.P3.XValue = -std::numeric_limits<double>::max();
    return part;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileWriteRefuses,
    testing::Values(
        RefusedCase{"NameWithLineFeedWouldInjectLines", [] { return WithParts({Plain("A\nB")}); }},
        RefusedCase{"NameWithCarriageReturnWouldInjectLines",
                    [] {
                        return WithParts({Plain("ok"), Plain("A\rPart B")});
                    }},
        RefusedCase{"MoreThan32767PartsOverflowTheCounter", [] { return TooManyParts(); }},
        RefusedCase{"ValueThatIsNotFiniteHasNoText", [] { return WithParts({NotFinite()}); }},
        RefusedCase{"ValueWhoseTextWouldNotReadBack", [] { return WithParts({TooLarge()}); }},
        RefusedCase{"ProbeDiameterThatIsNotFiniteHasNoText",
                    [] { return WithParts({}, std::numeric_limits<float>::infinity()); }}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.fault; });

// Add appends to a file it has scanned, not read in whole: the parts of a file in the writer's form
// are copied as they are, every other file is written anew. Either way the bytes are those of the
// whole file read, the part added, and written.
const std::string kSeatLine = "\r\n\t12.345\t-2.500\t0.000\t0.0000000\t-0.6000000\t0.8000000";
const std::string kHeader = "$$\r\n2 3 1.500000 6.000000 4";

std::string PartLines(const std::string& name, const std::string& seat = kSeatLine) {
    return "\r\nPart " + name + seat + seat + seat;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

struct AppendCase {
    const char* fault;
    std::string file;
    bool copied;
};

class GridFileAppendWrite : public GridFileWriteTest,
                            public testing::WithParamInterface<AppendCase> {};

TEST_P(GridFileAppendWrite, WritesWhatTheWholeFileReadAndWrittenGives) {
    WriteBytes(target_, GetParam().file);
    const Part added = Rounded();
    std::optional<GridFile> whole = MakeGridFileObj(target_);
    ASSERT_TRUE(whole);
    whole->Parts.Add(added, "");
    std::optional<GridFileScan> scan = ScanGridFile(target_, [](const Part&) {});
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->writtenForm, GetParam().copied);
    GridFileWrite(GridFileAppend{*scan, added}, GridFileLock(target_, std::chrono::milliseconds(0)))
        .Store(host_);
    EXPECT_EQ(ReadBytes(target_), GridFileBytes(*whole));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridFileAppendWrite,
    testing::Values(
        AppendCase{"WrittenFormIsCopied", kHeader + PartLines("A") + PartLines("B"), true},
        AppendCase{"LineAfterTheLastPartIsLeftOut", kHeader + PartLines("A") + "\r\nx\r\n", true},
        AppendCase{"OwnHeaderIsWritten", "$$x\r\n7 1 2 6 9 9" + PartLines("A"), true},
        AppendCase{"EmptyFileIsCopied", "$$\r\n0 3 1.500000 6.000000 4", true},
        AppendCase{"LoneLineFeedsAreWrittenAnew", Replaced(kHeader + PartLines("A"), "\r\n", "\n"),
                   false},
        AppendCase{"LoneLineFeedBetweenPartsIsWrittenAnew",
                   kHeader + PartLines("A") + "\n" + PartLines("B").substr(2), false},
        AppendCase{"NegativeZeroIsWrittenAnew",
                   Replaced(kHeader + PartLines("A"), "\t0.000", "\t-0.000"), false},
        AppendCase{"OtherDecimalsAreWrittenAnew",
                   Replaced(kHeader + PartLines("A"), "-2.500", "-2.5"), false},
        AppendCase{"LeadingZeroIsWrittenAnew",
                   Replaced(kHeader + PartLines("A"), "12.345", "012.345"), false},
        AppendCase{"SixteenDigitsAreWrittenAnew",
                   Replaced(kHeader + PartLines("A"), "12.345", "1234567890123.456"), false},
        AppendCase{"BlankForTheTabIsWrittenAnew",
                   Replaced(kHeader + PartLines("A"), "\n\t12", "\n 12"), false},
        AppendCase{"FieldsAfterTheSixthAreWrittenAnew", kHeader + PartLines("A", kSeatLine + "\t1"),
                   false},
        AppendCase{"PlusSignIsWrittenAnew", Replaced(kHeader + PartLines("A"), "\t12", "\t+12"),
                   false},
        AppendCase{"CommaInANameIsWrittenAnew", kHeader + PartLines("A,B"), false},
        AppendCase{"NameOutsideAsciiIsWrittenAnew", kHeader + PartLines("\xe4"), false}),
    [](const testing::TestParamInfo<AppendCase>& info) { return info.param.fault; });

TEST_F(GridFileWriteTest, AppendToAFileThatChangedAfterTheScanWritesNothing) {
    WriteBytes(target_, kHeader + PartLines("A"));
    std::optional<GridFileScan> scan = ScanGridFile(target_, [](const Part&) {});
    ASSERT_TRUE(scan && scan->writtenForm);
    const std::string grown = kHeader + PartLines("A") + PartLines("B");
    GridFileWrite write(GridFileAppend{*scan, Rounded()},
                        GridFileLock(target_, std::chrono::milliseconds(0)));
    WriteBytes(target_, grown);
    EXPECT_THROW(write.Store(host_), GridFileError);
    EXPECT_EQ(ReadBytes(target_), grown);
    EXPECT_EQ(pushes_.Calls(), 0);
}

}  // namespace
}  // namespace zarvek
