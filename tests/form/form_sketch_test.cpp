#include "form/form_sketch.h"

#include <gtest/gtest.h>

#include "recording_dialogs.h"

namespace zarvek {
namespace {

TEST(FormSketch, SeatTextsAreTakenSeatBySeatInFieldOrder) {
    testing_support::RecordingDialogs dialogs;
    FormModel form(dialogs);
    for (const Field field : SeatFields()) {
        form.SetText(field, std::to_string(IndexOf(field)));
    }
    const SeatTexts texts = SeatTextsOf(form);
    EXPECT_EQ(texts[0][0], std::to_string(IndexOf(Field::X1)));
    EXPECT_EQ(texts[0][5], std::to_string(IndexOf(Field::K1)));
    EXPECT_EQ(texts[1][1], std::to_string(IndexOf(Field::Y2)));
    EXPECT_EQ(texts[2][3], std::to_string(IndexOf(Field::I3)));
    EXPECT_EQ(texts[2][5], std::to_string(IndexOf(Field::K3)));
}

TEST(FormSketch, NumbersAreReadInTheUsersLocaleAsCheckPatternReadsThem) {
    testing_support::RecordingDialogs dialogs;
    FormModel form(dialogs);
    const char* seats[18] = {"0", "0", "0", "0",  "0",  "1", "100,5", "0", "0",
                             "0", "0", "1", "30", "80", "0", "0",     "0", "1"};
    for (std::size_t i = 0; i < 18; ++i) {
        form.SetText(SeatFields()[i], seats[i]);
    }
    EXPECT_DOUBLE_EQ(SketchForm(form, NumberLocale{",", "."}).sideLengths[0], 100.5);
    // Where "," groups digits, "100,5" is 1005.
    EXPECT_DOUBLE_EQ(SketchForm(form, NumberLocale{".", ","}).sideLengths[0], 1005.0);
    EXPECT_EQ(dialogs.messages.size(), 0u);
}

TEST(FormSketch, OnlySeatFieldsChangeTheDrawing) {
    EXPECT_FALSE(ChangesTheSketch(Field::PartName));
    EXPECT_FALSE(ChangesTheSketch(Field::ProbeDiameter));
    for (const Field field : SeatFields()) {
        EXPECT_TRUE(ChangesTheSketch(field)) << ControlName(field);
    }
}

}  // namespace
}  // namespace zarvek
