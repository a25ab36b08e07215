#include "form/form_sketch.h"

#include <gtest/gtest.h>

#include "strings/drawing_string_ids.h"
#include "support/form_typing.h"
#include "support/recording_dialogs.h"

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
    testing_support::TypePart(form, "0 0 0 0 0 1  100,5 0 0 0 0 1  30 80 0 0 0 1");
    EXPECT_DOUBLE_EQ(SketchForm(form, NumberLocale{",", "."}).sideLengths[0], 100.5);
    // Where "," groups digits, "100,5" is no number (not 1005), and "100.5" where "." does.
    EXPECT_EQ(SketchForm(form, NumberLocale{".", ","}).hint, kSketchHintTypeSeats);
    form.SetText(Field::X2, "100.5");
    EXPECT_EQ(SketchForm(form, NumberLocale{",", "."}).hint, kSketchHintTypeSeats);
    EXPECT_EQ(dialogs.messages.size(), 0u);
}

TEST(FormSketch, UntouchedFormAsksForTheSeatsInsteadOfSayingADirectionIsZero) {
    testing_support::RecordingDialogs dialogs;
    FormModel form(dialogs);
    const NumberLocale comma{",", "."};
    SetStartupSeatTexts(form, comma);
    EXPECT_EQ(SketchForm(form, comma).hint, kSketchHintTypeSeats);
    form.SetText(Field::X2, "0");  // typed, but still nothing but zeros
    EXPECT_EQ(SketchForm(form, comma).hint, kSketchHintTypeSeats);
    form.SetText(Field::K1, "1");
    EXPECT_EQ(SketchForm(form, comma).hint, kSketchHintZeroDirection);
}

TEST(FormSketch, TextsAreInTheUsersLanguageAndNumberFormat) {
    PatternSketch failing;
    failing.sideLengths = {118.16, 2.0005, 1234.5};
    failing.firstFailure = kMustBeRightHand;
    PatternSketch passing = failing;
    passing.firstFailure.reset();
    PatternSketch hinted;
    hinted.hint = kSketchHintZeroDirection;
    hinted.firstFailure = kVectorTwoNotAVector;
    const struct {
        const char* what;
        const PatternSketch& sketch;
        Language language;
        NumberLocale locale;
        int verdict;
        const char* hint;
        std::array<const char*, 3> lengths;
    } cases[] = {
        // clang-format off
        {"failing", failing, Language::English, {".", ","}, kMustBeRightHand, "", {"118.160 mm", "2.001 mm", "1234.500 mm"}},
        {"passing in German", passing, Language::German, {",", "."}, kSketchSeatsPass, "", {"118,160 mm", "2,001 mm", "1234,500 mm"}},
        {"hinted", hinted, Language::German, {",", "."}, kVectorTwoNotAVector, "Eine Punktrichtung ist null.", {"0,000 mm", "0,000 mm", "0,000 mm"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const SketchTexts texts = SketchTextsOf(c.sketch, c.language, c.locale);
        EXPECT_EQ(texts.caption, LookupString(kSketchViewCaption, c.language)) << c.what;
        EXPECT_EQ(texts.verdict, LookupString(c.verdict, c.language)) << c.what;
        EXPECT_EQ(texts.hint, c.hint) << c.what;
        EXPECT_EQ(texts.tooLarge, LookupString(kSketchHintTooLarge, c.language)) << c.what;
        for (std::size_t s = 0; s < 3; ++s) {
            EXPECT_EQ(texts.sideLengths[s], c.lengths[s]) << c.what;
        }
    }
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
