// Grid files through the system's ANSI code page, and their line ends, on Windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "storage/grid_file_io.h"
#include "storage/grid_file_lock.h"
#include "storage/grid_file_writer.h"
#include "storage/host_library.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

GridFile Named(const std::string& name) {
    GridFile gridFile = WorkedExample();
    gridFile.Parts.Item(1).sName = name;
    return gridFile;
}

const std::string kUmlautName =
    "Halter Gr\xC3\xB6\xC3\x9F"
    "e \xC3\x84";

// The part line of kUmlautName in the code pages that hold its letters at the same places.
std::string UmlautPartLine(UINT codePage) {
    switch (codePage) {
        case 1250:  // Central European
        case 1252:  // Western European
        case 1257:  // Baltic
            return "\r\nPart Halter Gr\xF6\xDF"
                   "e \xC4\r\n";
        default:
            return {};
    }
}

// CTest's wine runs name the code page wine derives from their Unix locale; on a real Windows
// the variable is not set and any code page is taken as it is.
TEST(AnsiCodePageWin32, IsTheOneTheRunSetUp) {
    const char* expected = std::getenv("ZARVEK_EXPECTED_ANSI_CODE_PAGE");
    if (expected == nullptr) {
        GTEST_SKIP() << "ZARVEK_EXPECTED_ANSI_CODE_PAGE is not set";
    }
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

TEST(AnsiCodePageWin32, UmlautIsOneByteOfTheCodePageAndReadsBack) {
    const std::string line = UmlautPartLine(GetACP());
    if (line.empty()) {
        GTEST_SKIP() << "no expected bytes for code page " << GetACP();
    }
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    HostLibrary noHost([] { return std::vector<std::string>{}; });
    GridFileWrite(Named(kUmlautName), GridFileLock(path)).Store(noHost);
    EXPECT_NE(ReadBytes(path).find(line), std::string::npos);
    const auto read = MakeGridFileObj(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Parts.Item(1).sName, kUmlautName);
}

// Bytes another editor left in the installed file must not be lost when the wizard rewrites it
// for an Add: Windows-1252 maps its five unassigned bytes to control characters and back.
TEST(AnsiCodePageWin32, UnassignedBytesInAnInstalledFileSurviveAnAdd) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "code page " << GetACP() << " is not Windows-1252";
    }
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::string bytes = GridFileBytes(WorkedExample());
    bytes.replace(bytes.find("Bracket A"), 9, "\x81\x8D\x8F\x90\x9D\x80");
    WriteBytes(path, bytes);
    const auto read = MakeGridFileObj(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(GridFileBytes(*read), bytes);
}

// The system's best-fit mapping would store look-alikes of "/" as "/", changing what the name
// says; a character the code page lacks must become "?".
TEST(AnsiCodePageWin32, CharacterOutsideTheCodePageIsNotStoredAsALookAlike) {
    if (GetACP() == CP_UTF8) {
        GTEST_SKIP() << "a UTF-8 system code page holds every character";
    }
    const std::string name =
        "A\xE2\x88\x95"
        "B \xEF\xBC\x8F";  // division slash, fullwidth solidus
    EXPECT_NE(GridFileBytes(Named(name)).find("\r\nPart A?B ?\r\n"), std::string::npos);
}

// Files are written and read as bytes: no C runtime text mode that would turn CR LF into
// CR CR LF on the way out or drop the CR on the way in.
TEST(GridFileLineEndsWin32, TextModeWouldChangeTheLineEnds) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    GridFile gridFile = WorkedExample();
    const Part second = SamplePart("Second", 3.25);
    gridFile.Parts.Add(second.P1, second.P2, second.P3, second.V1, second.V2, second.V3,
                       second.sName, "");
    HostLibrary noHost([] { return std::vector<std::string>{}; });
    GridFileWrite(gridFile, GridFileLock(path)).Store(noHost);

    // The writer's own bytes are pinned elsewhere; here nothing may be added on the way out.
    EXPECT_EQ(ReadBytes(path), GridFileBytes(gridFile));
    const auto read = MakeGridFileObj(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Parts.Count(), 2u);
    EXPECT_EQ(read->Parts.Item(2).sName, "Second");
}

}  // namespace
}  // namespace zarvek
