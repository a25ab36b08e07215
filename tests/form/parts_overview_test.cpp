#include "form/parts_overview.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/code_page.h"
#include "storage/grid_file_io.h"

namespace zarvek {
namespace {

const Vector kUp{0, 0, 1};
const NumberLocale kComma{",", "."};

// A part whose seat-to-seat lengths are l12, l23, l31, at `shift` along X.
void AddPart(GridFile& gridFile, const std::string& name, double l12, double l23, double l31,
             double shift = 0) {
    const double x = (l12 * l12 + l31 * l31 - l23 * l23) / (2 * l12);
    gridFile.Parts.Add({shift, 0, 0}, {shift + l12, 0, 0},
                       {shift + x, std::sqrt(l31 * l31 - x * x), 0}, kUp, kUp, Vector{0.6, 0, 0.8},
                       name, "");
}

// The text of the file the writer makes for `gridFile`, as the viewer decodes it.
std::string FileText(const GridFile& gridFile) {
    return AnsiToUtf8(GridFileBytes(gridFile));
}

TEST(PartsOverview, RowsShowTheFilesNumbersInTheUsersLocale) {
    GridFile gridFile;
    gridFile.sProbeDiameter = 6.35f;
    AddPart(gridFile, "Bracket Ä", 100, 120, 90, 12.3456);
    AddPart(gridFile, "Lid", 200, 260, 300);
    const PartsOverview overview =
        MakePartsOverview(FileText(gridFile), "a.dat", Language::English);
    ASSERT_TRUE(overview.gridFile.has_value()) << overview.failure;
    ASSERT_EQ(overview.PartCount(), 2u);
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Number, kComma), "1");
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Name, kComma), "Bracket Ä");
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Length12, kComma), "100,000");
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Length23, kComma), "120,000");
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Length31, kComma), "90,000");
    // Positions as the file stores them, three decimals (12.3456 was written as 12.346).
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Position1, kComma), "12,346; 0,000; 0,000");
    EXPECT_EQ(PartsCellText(overview, 0, PartsColumn::Direction3, kComma),
              "0,6000000; 0,0000000; 0,8000000");
    EXPECT_EQ(PartsCellText(overview, 1, PartsColumn::Number, kComma), "2");
    EXPECT_EQ(PartsCellText(overview, 1, PartsColumn::Position2, kComma), "200,000; 0,000; 0,000");
    EXPECT_EQ(PartsHeaderText(overview, Language::English, kComma),
              "Probe diameter: 6,350000 mm    Tolerance: 1,500000 mm    Parts in the header: 2    "
              "Parts read: 2");
    EXPECT_EQ(PartsLegendText(overview, Language::English),
              "No part repeats the lengths of other parts.");
    EXPECT_FALSE(IsMarkedPart(overview, 0));
    EXPECT_EQ(PartsRowNote(overview, 0, Language::English), "");
}

TEST(PartsOverview, EachColumnHasItsOwnHeading) {
    const char* expected[kPartsColumnCount] = {"No.",
                                               "Part",
                                               "Length 1-2 (mm)",
                                               "Length 2-3 (mm)",
                                               "Length 3-1 (mm)",
                                               "Point 1 X; Y; Z",
                                               "Point 2 X; Y; Z",
                                               "Point 3 X; Y; Z",
                                               "Point 1 I; J; K",
                                               "Point 2 I; J; K",
                                               "Point 3 I; J; K"};
    for (int column = 0; column < kPartsColumnCount; ++column) {
        EXPECT_EQ(PartsColumnTitle(static_cast<PartsColumn>(column), Language::English),
                  expected[column]);
    }
    EXPECT_EQ(PartsColumnTitle(PartsColumn::Position2, Language::German), "Punkt 2 X; Y; Z");
}

TEST(PartsOverview, PartsRepeatingOtherPartsAreMarkedAndTheRefusedOneSaysSo) {
    GridFile gridFile;
    AddPart(gridFile, "First", 50, 60, 70);
    AddPart(gridFile, "Other", 200, 260, 300);
    AddPart(gridFile, "Copy", 50.5, 60.5, 69);
    const PartsOverview overview =
        MakePartsOverview(FileText(gridFile), "a.dat", Language::English);
    ASSERT_TRUE(overview.gridFile.has_value());
    EXPECT_EQ(overview.markedParts, 2u);
    EXPECT_TRUE(IsMarkedPart(overview, 0));
    EXPECT_FALSE(IsMarkedPart(overview, 1));
    EXPECT_TRUE(IsMarkedPart(overview, 2));
    // The first part was added before its copy: it repeats a later part but Add took it.
    EXPECT_EQ(PartsRowNote(overview, 0, Language::English),
              "More than two of this part's lengths match lengths of other parts of the file "
              "(a difference below 1.5 mm is a match).");
    EXPECT_EQ(PartsRowNote(overview, 2, Language::English),
              "More than two of this part's lengths match lengths of other parts of the file "
              "(a difference below 1.5 mm is a match).\n"
              "Add would refuse this part after the parts before it.");
    EXPECT_EQ(PartsLegendText(overview, Language::English),
              "Marked parts (2): more than two of their lengths match lengths of other parts "
              "(a difference below 1.5 mm is a match).");
}

TEST(PartsOverview, FilesThatDoNotReadGiveTheReasonAndNoParts) {
    const struct {
        const char* what;
        std::string text;
        std::string failure;
    } cases[] = {
        {"no $ on line 1", "Part list\r\n1 3 1.5 6 4\r\n",
         "This file is not a Zarvek file: its first line holds no \"$\"."},
        {"empty file", "",
         "The parts of this file cannot be shown.\nThe grid file \"b.dat\" cannot be read: line 1: "
         "expected the marker line \"$$\", but the file is empty."},
        {"short seat line", "$$\r\n1 3 1.500000 6.000000 4\r\nPart A\r\n\t1.0\t2.0\r\n",
         "The parts of this file cannot be shown.\nThe grid file \"b.dat\" cannot be read: line 4: "
         "expected six tab-separated numbers, found 2."},
    };
    for (const auto& c : cases) {
        const PartsOverview overview = MakePartsOverview(c.text, "b.dat", Language::English);
        EXPECT_FALSE(overview.gridFile.has_value()) << c.what;
        EXPECT_EQ(overview.PartCount(), 0u) << c.what;
        EXPECT_EQ(overview.failure, c.failure) << c.what;
        EXPECT_EQ(PartsHeaderText(overview, Language::English, kComma), "") << c.what;
        EXPECT_EQ(PartsLegendText(overview, Language::English), "") << c.what;
    }
}

TEST(PartsOverview, HeaderCountThatDisagreesWithThePartsReadIsShownAsStated) {
    GridFile gridFile;
    AddPart(gridFile, "Only", 100, 120, 90);
    std::string text = FileText(gridFile);
    text.replace(text.find("\r\n1 ") + 2, 1, "5");
    const PartsOverview overview = MakePartsOverview(text, "c.dat", Language::German);
    ASSERT_TRUE(overview.gridFile.has_value()) << overview.failure;
    EXPECT_EQ(PartsHeaderText(overview, Language::German, kComma),
              "Tasterdurchmesser: 0,000000 mm    Toleranz: 1,500000 mm    Werkstücke laut "
              "Kopfzeile: 5    Gelesen: 1");
}

}  // namespace
}  // namespace zarvek
