// Grid files through Windows-1252, the code page of every system but Windows.
#include <gtest/gtest.h>

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

TEST(GridFileCodePage, UmlautIsOneByteAndReadsBack) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    HostLibrary noHost([] { return std::vector<std::string>{}; });
    const std::string name =
        "Halter Gr\xC3\xB6\xC3\x9F"
        "e \xC3\x84";
    GridFileWrite(Named(name), GridFileLock(path)).Store(noHost);
    EXPECT_NE(ReadBytes(path).find("\r\nPart Halter Gr\xF6\xDF"
                                   "e \xC4\r\n"),
              std::string::npos);
    EXPECT_EQ(MakeGridFileObj(path)->Parts.Item(1).sName, name);
}

TEST(GridFileCodePage, UnassignedBytesInAnInstalledFileSurviveAnAdd) {
    TemporaryFolder folder;
    const std::string path = folder.File("Gridfile.dat");
    std::string bytes = ReadBytes(ZARVEK_TEST_DATA_DIR "/worked_example.dat");
    bytes.replace(bytes.find("Bracket A"), 9, "\x81\x8D\x8F\x90\x9D\x80");
    WriteBytes(path, bytes);
    auto gridFile = MakeGridFileObj(path);
    ASSERT_TRUE(gridFile);
    EXPECT_EQ(GridFileBytes(*gridFile), bytes);
}

}  // namespace
}  // namespace zarvek
