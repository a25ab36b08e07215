// The crash and concurrency tests add hundreds of spread parts, also through the command-line
// tool, which checks each pattern first: a part that any check refused would fail those tests
// for a reason that has nothing to do with the file's safety.
#include <gtest/gtest.h>

#include "common/dialogs.h"
#include "pattern/checks.h"
#include "spread_parts.h"

namespace zarvek {
namespace {

using namespace testing_support;

TEST(SpreadParts, NoneIsRefusedByCheckPattern) {
    SilentDialogs dialogs;
    for (const int index : {0, 1, 2, 57, 999, 2243, 5000}) {
        const Part p = SpreadPart(index);
        EXPECT_EQ(CheckLengths(p.P1, p.P2, p.P3), kLengthsAreGood) << index;
        EXPECT_TRUE(CheckRotation(p.P1, p.P2, p.P3, p.V1, p.V2, p.V3, dialogs)) << index;
        EXPECT_EQ(CheckSpread(p.P1, p.P2, p.P3, dialogs), kSpreadIsOk) << index;
    }
}

TEST(SpreadParts, NoneRepeatsTheLengthsOfTheOthers) {
    const GridFile others = SpreadGridFile(0, 300);
    for (const int index : {300, 301, 450, 2500}) {
        const Part p = SpreadPart(index);
        EXPECT_EQ(CheckLengthsAgainstGridFile(others, p.P1, p.P2, p.P3), kLengthsAreGood) << index;
    }
}

}  // namespace
}  // namespace zarvek
