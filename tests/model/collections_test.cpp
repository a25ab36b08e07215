#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/errors.h"
#include "model/grid_file.h"
#include "model/vectors.h"

namespace zarvek {
namespace {

Parts ThreeKeyedParts() {
    Parts parts;
    for (const char* key : {"1", "2", "3"}) {
        parts.Add({}, {}, {}, {}, {}, {}, std::string("part ") + key, key);
    }
    return parts;
}

TEST(GridFile, StartsEmptyWithZeroHeaderValues) {
    const GridFile gridFile;
    EXPECT_EQ(gridFile.sProbeDiameter, 0.0f);
    EXPECT_EQ(gridFile.sTolerance, 0.0f);
    EXPECT_EQ(gridFile.iNumberOfParts, 0);
    EXPECT_TRUE(gridFile.Path.empty());
    EXPECT_EQ(gridFile.Parts.Count(), 0u);
}

TEST(Parts, ItemByPositionAndByKeyAgreeAndSurviveRemoval) {
    Parts parts = ThreeKeyedParts();
    EXPECT_EQ(parts.Item(2).sName, "part 2");
    EXPECT_EQ(&parts.Item(2), &parts.Item(std::string("2")));

    parts.Remove(1);
    EXPECT_EQ(parts.Count(), 2u);
    EXPECT_EQ(parts.Item(1).sName, "part 2");
    EXPECT_EQ(parts.Item(std::string("2")).sName, "part 2");
    EXPECT_EQ(parts.Item(std::string("3")).sName, "part 3");
    EXPECT_THROW(parts.Item(std::string("1")), CollectionError);

    parts.Remove(std::string("3"));
    EXPECT_EQ(parts.Count(), 1u);
    EXPECT_EQ(parts.Item(1).sName, "part 2");
}

TEST(Parts, AnUnkeyedPartIsReachedOnlyByPosition) {
    Parts parts;
    Part& added = parts.Add({1, 2, 3}, {}, {}, {0, 0, 1}, {}, {}, "Bracket", "");
    EXPECT_EQ(&parts.Item(parts.Count()), &added);
    EXPECT_EQ(added.P1, (Point{1, 2, 3}));
    EXPECT_EQ(added.V1, (Vector{0, 0, 1}));
    EXPECT_THROW(parts.Item(std::string("")), CollectionError);
}

TEST(Parts, BadPositionsUnknownKeysAndDuplicateKeysFailAndChangeNothing) {
    Parts parts = ThreeKeyedParts();
    EXPECT_THROW(parts.Item(0), CollectionError);
    EXPECT_THROW(parts.Item(4), CollectionError);
    EXPECT_THROW(parts.Item(std::string("4")), CollectionError);
    EXPECT_THROW(parts.Remove(0), CollectionError);
    EXPECT_THROW(parts.Remove(std::string("x")), CollectionError);
    EXPECT_THROW(parts.Add({}, {}, {}, {}, {}, {}, "again", "2"), CollectionError);
    ASSERT_EQ(parts.Count(), 3u);
    EXPECT_EQ(parts.Item(3).sName, "part 3");
    EXPECT_EQ(parts.Item(std::string("2")).sName, "part 2");
}

TEST(Parts, ErrorsNameTheMissingPositionOrKey) {
    Parts parts = ThreeKeyedParts();
    try {
        parts.Item(std::string("9"));
        FAIL();
    } catch (const CollectionError& error) {
        EXPECT_NE(std::string(error.what()).find("\"9\""), std::string::npos) << error.what();
    }
}

TEST(Parts, IterationVisitsPartsInInsertionOrder) {
    Parts parts;
    for (const char* name : {"c", "a", "b"}) {
        parts.Add({}, {}, {}, {}, {}, {}, name, "");
    }
    std::vector<std::string> seen;
    for (const Part& part : parts) {
        seen.push_back(part.sName);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"c", "a", "b"}));
}

TEST(Vectors, AddCopiesTheComponents) {
    Vectors vs;
    double i = 1;
    Vector& stored = vs.Add(i, 2, 3, "first");
    i = 9;
    EXPECT_EQ(stored, (Vector{1, 2, 3}));
    EXPECT_EQ(vs.Item(std::string("first")), (Vector{1, 2, 3}));
    EXPECT_THROW(vs.Add(0, 0, 0, "first"), CollectionError);
    EXPECT_EQ(vs.Count(), 1u);
}

}  // namespace
}  // namespace zarvek
