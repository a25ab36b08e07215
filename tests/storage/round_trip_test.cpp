#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/code_page.h"
#include "storage/grid_file_io.h"
#include "storage/grid_file_reader.h"
#include "storage_test_support.h"

namespace zarvek {
namespace {

using namespace testing_support;

// Names that stress the part line: empty, spaces, tabs, commas, "$", "Part" inside, a name that
// looks like a seat line, umlauts.
const char* const kNames[] = {"",
                              "Bracket A",
                              "  spaced  ",
                              "A,B,C",
                              "tab\tinside",
                              "$$",
                              "Part Part",
                              "\t1\t2\t3\t4\t5\t6",
                              "Gr\xC3\xB6\xC3\x9F"
                              "e",
                              "x"};

GridFile Generated(int parts, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> position(-2000.0, 2000.0);
    std::uniform_real_distribution<double> direction(-1.0, 1.0);
    std::uniform_int_distribution<std::size_t> name(0, std::size(kNames) - 1);
    GridFile gridFile;
    gridFile.sProbeDiameter =
        static_cast<float>(std::uniform_real_distribution<double>(0.5, 20)(random));
    for (int i = 0; i < parts; ++i) {
        const auto point = [&] {
            return Point{position(random), position(random), position(random)};
        };
        const auto vector = [&] {
            return Vector{direction(random), direction(random), direction(random)};
        };
        gridFile.Parts.Add(point(), point(), point(), vector(), vector(), vector(),
                           kNames[name(random)] + std::to_string(i), "");
    }
    return gridFile;
}

class WriteReadWrite : public testing::TestWithParam<int> {};

TEST_P(WriteReadWrite, IsByteIdentical) {
    const int parts = GetParam();
    const std::string first = GridFileBytes(Generated(parts, static_cast<unsigned>(parts)));
    const auto read = ReadGridFileText(AnsiToUtf8(first), "generated.dat");
    ASSERT_TRUE(read);
    ASSERT_EQ(read->Parts.Count(), static_cast<std::size_t>(parts));
    EXPECT_EQ(read->iNumberOfParts, parts);
    EXPECT_EQ(read->Parts.Item(std::to_string(parts)).sName.back(),
              std::to_string(parts - 1).back());
    EXPECT_EQ(GridFileBytes(*read), first);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WriteReadWrite, testing::Values(1, 2, 3, 50, 1000, 32767));

}  // namespace
}  // namespace zarvek
