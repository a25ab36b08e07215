#include <gtest/gtest.h>

#include "form/fields.h"
#include "form/locale_separators.h"
#include "form/placeholders.h"
#include "form/view_layout.h"

namespace zarvek {
namespace {

TEST(ViewLayout, ViewerIsInsetFromTheInnerArea) {
    const ViewLayout layout = ComputeViewLayout(9600, 7200);
    EXPECT_EQ(layout.viewer, (TwipsRect{250, 900, 9100, 6000}));
    EXPECT_EQ(layout.shownFile, (TwipsRect{250, 900, 9100, 300}));
    EXPECT_EQ(layout.tabs, (TwipsRect{250, 1200, 9100, 5700}));
    EXPECT_EQ(layout.labelLeft, 250);
    EXPECT_EQ(layout.labelTop, 600);
}

TEST(ViewLayout, TinyWindowGivesAnEmptyViewerNotANegativeOne) {
    const ViewLayout layout = ComputeViewLayout(300, 1000);
    EXPECT_EQ(layout.viewer.width, 0);
    EXPECT_EQ(layout.viewer.height, 0);
    EXPECT_EQ(layout.tabs.height, 0);
}

TEST(ViewLayout, TwipsConvertAtTheScreensResolution) {
    EXPECT_EQ(TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(TwipsToPixels(900, 96), 60);
    EXPECT_EQ(TwipsToPixels(250, 96), 17);
    EXPECT_EQ(TwipsToPixels(250, 144), 25);
    EXPECT_EQ(PixelsToTwips(640, 96), 9600);
}

TEST(NumberLocaleFromSeparators, SeparatorsTheFieldsCannotHoldFallBackToThePoint) {
    EXPECT_EQ(NumberLocaleFromSeparators(",", ".").decimalSeparator, ",");
    EXPECT_EQ(NumberLocaleFromSeparators(",", ".").groupSeparator, ".");
    EXPECT_EQ(NumberLocaleFromSeparators(",", "\u00a0").groupSeparator, "\u00a0");
    // An Arabic decimal separator would be cut off every rewritten number.
    const NumberLocale arabic = NumberLocaleFromSeparators("\u066b", "\u066c");
    EXPECT_EQ(arabic.decimalSeparator, ".");
    EXPECT_EQ(arabic.groupSeparator, "\u066c");
    EXPECT_EQ(NumberLocaleFromSeparators("\u066b", ".").groupSeparator, "");
    EXPECT_EQ(NumberLocaleFromSeparators("", ",").decimalSeparator, ".");
}

TEST(FillPlaceholders, ArgumentsAreNotExpandedAgain) {
    EXPECT_EQ(FillPlaceholders("%1 holds \"%2\"", {"Point 1 X", "%1"}), "Point 1 X holds \"%1\"");
    EXPECT_EQ(FillPlaceholders("100% of %3", {"a"}), "100% of %3");
}

TEST(PlaceholderText, FilledManyTimesGivesWhatFillPlaceholdersGives) {
    for (const char* text : {"%1 holds \"%2\"", "100% of %3", "%", "%%1%", "ends in %", ""}) {
        std::string filled;
        PlaceholderText(text).AppendFilled(filled, {"a", "%1"});
        EXPECT_EQ(filled, FillPlaceholders(text, {"a", "%1"})) << text;
    }
}

TEST(FieldNames, NameTheControlAndTheSeatInTheUsersLanguage) {
    EXPECT_EQ(ControlName(Field::PartName), "txtPartName");
    EXPECT_EQ(ControlName(Field::ProbeDiameter), "txtProbeDia");
    EXPECT_EQ(ControlName(Field::X1), "txtX(0)");
    EXPECT_EQ(ControlName(Field::K3), "txtK(2)");
    EXPECT_EQ(ControlName(SeatField(Axis::J, 1)), "txtJ(1)");
    EXPECT_EQ(DisplayName(Field::Y2, Language::English), "Point 2 Y");
    EXPECT_EQ(DisplayName(Field::Y2, Language::German), "Punkt 2 Y");
    EXPECT_EQ(DisplayName(Field::ProbeDiameter, Language::German), "Tasterdurchmesser");
}

}  // namespace
}  // namespace zarvek
