#include <QImage>
#include <QPainter>
#include <QTest>
#include <string>
#include <vector>

#include "window/qt/pattern_drawing.h"
#include "window_fixture.h"

namespace zarvek {
namespace {

class DrawingTest : public WindowTest {
  protected:
    PatternDrawing& Drawing() const { return *window->controls().picPattern; }
    const PatternSketch& Sketch() const { return Drawing().sketch(); }

    // Gives the field the focus, which selects its text, and types over it key by key.
    void TypeOver(Field field, const char* keys) const {
        QLineEdit* box = Box(field);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }

    void SetSeats(const std::vector<std::string>& texts) const {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            window->form().SetText(SeatFields()[i], texts[i]);
        }
    }
};

TEST_F(DrawingTest, FollowsEveryKeystroke) {
    Start();
    window->FileNew();
    // The start-up zeros put every seat at one place.
    EXPECT_EQ(Sketch().hint, kSketchHintZeroDirection);
    FillPassingPattern();
    EXPECT_FALSE(Sketch().hint.has_value());
    EXPECT_FALSE(Sketch().firstFailure.has_value());
    EXPECT_NEAR(Sketch().sideLengths[0], 100, 1e-9);

    TypeOver(Field::Y3, "5");  // seat 3 at (30, 5): too close to the line of seats 1 and 2
    EXPECT_EQ(Sketch().firstFailure, kSpreadPoint3);
    EXPECT_TRUE(Sketch().seatTooClose[2]);
    QTest::keyClick(Box(Field::Y3), Qt::Key_Backspace);
    EXPECT_EQ(Sketch().hint, kSketchHintTypeSeats);
    QTest::keyClicks(Box(Field::Y3), QStringLiteral("80"));
    EXPECT_FALSE(Sketch().firstFailure.has_value());
    EXPECT_FALSE(Sketch().hint.has_value());

    TypeOver(Field::K2, "-1");  // the mean still points up
    EXPECT_EQ(Sketch().rightHand, true);
    TypeOver(Field::K1, "-1");  // now down: seen from below, the turn is the wrong way round
    EXPECT_EQ(Sketch().rightHand, false);
    EXPECT_EQ(Sketch().firstFailure, kMustBeRightHand);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DrawingTest, FollowsTheDirectionsCheckPatternRewrites) {
    Start();
    window->FileNew();
    FillPassingPattern();
    window->form().SetText(Field::K1, "5");
    window->CheckPatternClick();
    EXPECT_EQ(Box(Field::K1)->text(), "1.00000");
    EXPECT_EQ(Sketch().firstFailure, std::nullopt);
    EXPECT_TRUE(window->form().WriteGateOpen());
}

TEST_F(DrawingTest, CoincidentSeatsWhileTypingRaiseNoDialog) {
    Start();
    window->FileNew();
    FillPassingPattern();
    TypeOver(Field::X2, "0");  // seat 2 onto seat 1
    EXPECT_EQ(Sketch().hint, kSketchHintCoincidentSeats);
    EXPECT_EQ(Sketch().firstFailure, kLengths13And23);
    TypeOver(Field::X3, "0");
    TypeOver(Field::Y3, "0");  // all three at one place
    EXPECT_EQ(Sketch().hint, kSketchHintCoincidentSeats);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(DrawingTest, TakesNoFocusFromTheFields) {
    Start();
    window->FileNew();
    EXPECT_EQ(Drawing().focusPolicy(), Qt::NoFocus);
    ASSERT_TRUE(Box(Field::PartName)->hasFocus());
    QTest::mouseClick(&Drawing(), Qt::LeftButton, {}, Drawing().rect().center());
    EXPECT_TRUE(Box(Field::PartName)->hasFocus());
}

TEST_F(DrawingTest, StandsBesideTheSeatGridInsideTheWindow) {
    Start();
    window->FileNew();
    QApplication::processEvents();
    const QRect drawing(Drawing().mapTo(window.get(), QPoint(0, 0)), Drawing().size());
    const QRect lastField(Box(Field::K3)->mapTo(window.get(), QPoint(0, 0)),
                          Box(Field::K3)->size());
    EXPECT_GE(drawing.left(), lastField.right());
    EXPECT_TRUE(window->rect().contains(drawing));
    EXPECT_GE(Drawing().width(), Drawing().minimumSizeHint().width());
    EXPECT_GE(Drawing().height(), Drawing().minimumSizeHint().height());
}

// Every kind of entry, painted at every size down to a single pixel: nothing may crash or hang
// (the sanitizer build watches the painting).
TEST_F(DrawingTest, PaintsEveryEntryAtEverySize) {
    Start(Language::German, NumberLocale{",", "."});
    window->FileNew();
    const std::string huge = "1" + std::string(308, '0');
    const std::vector<std::vector<std::string>> entries = {
        {"0", "0", "0", "0", "0", "1", "100", "0", "0", "0", "0", "1", "30", "80", "0", "0", "0",
         "1"},
        {"0", "0", "0", "0", "0", "1", "100", "0", "0", "0", "0", "1", "30", "1", "0", "0", "0",
         "1"},
        {"0", "0", "0", "0", "0", "1", "100", "0", "0", "0", "0", "1", "50", "86", "0", "0", "0",
         "1"},
        {"0", "0", "0", "0", "0", "1", "0", "0", "10", "0", "0", "1", "0", "0", "30", "0", "0",
         "1"},
        {"0", "0", "0", "0", "0", "1", "10", "0", "0", "0", "0", "1", "30", "0", "0", "0", "0",
         "1"},
        {"-" + huge, "0", "0", "0", "0", "1", huge, "0", "0", "0", "0", "1", "0", huge, "0", "0",
         "0", "1"},
        {"0", "0", "0", "0", "0", "1", "1e5", "0", "0", "0", "0", "1", "-", "", "0", "0", "0", "1"},
        {"0", "0", "0", "0", "0", "0", "100", "0", "0", "0", "0", "1", "30", "80", "0", "0", "0",
         "1"},
        {"0,000001", "0", "0", "1", "1", "1", "0", "0,000002", "0", "1", "1", "1", "0", "0",
         "0,000004", "1", "1", "1"},
    };
    for (const QSize size : {QSize(380, 320), QSize(60, 40), QSize(1, 1), QSize(2000, 90)}) {
        Drawing().resize(size);
        for (const auto& entry : entries) {
            SetSeats(entry);
            QImage image(size, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            Drawing().render(&image);
        }
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace zarvek
